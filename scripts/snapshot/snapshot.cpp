#include "applicantrecord.h"
#include "form7.h"
#include "formshell.h"
#include "toolkittranslation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTranslator>

namespace {

// Prints to a PDF file instead of asking, and reports what a user would see.
class SnapshotShell : public FormShell
{
public:
    explicit SnapshotShell(const QString &pdf) : m_pdf(pdf) {}

    void showWarning(QWidget *, const QString &title, const QString &text) override
    {
        QTextStream(stderr) << title << ": " << text << '\n';
    }
    bool execPrintDialog(QPrinter *printer, QWidget *) override
    {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdf);
        return true;
    }
    void endProgram() override { ended = true; }

    bool ended = false;

private:
    QString m_pdf;
};

void type(Form7 &form, const char *box, const QString &text)
{
    auto *edit = form.findChild<QLineEdit *>(QString::fromLatin1(box));
    edit->clear();
    QTest::keyClicks(edit, text);
}

void click(Form7 &form, const char *button)
{
    form.findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

void settle(int ms)
{
    QTest::qWait(ms);
}

// A Wayland client cannot read the screen: there the compositor's own
// screenshooter takes all of it.
bool saveScreen(const QString &path)
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), QStringList());
    if (!dir.isValid() || !shooter.waitForFinished(20000) || shooter.exitCode() != 0)
        return false;
    const QStringList shots = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    QFile::remove(path);
    return shots.size() == 1 && QFile::copy(dir.filePath(shots.first()), path);
}

// What the screen shows of the window, frame included.
bool saveWindow(const QWidget &window, const QString &path)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return saveScreen(path);
    // At a scale factor the frame can round out past the screen's edge.
    const QRect frame = window.frameGeometry() & window.screen()->geometry();
    const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTranslator qtTranslator;
    if (loadQtTranslation(qtTranslator, QLocale()))
        QCoreApplication::installTranslator(&qtTranslator);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const QDir dir(out);

    SnapshotShell shell(dir.filePath(QStringLiteral("printed.pdf")));
    ApplicantRecord record;
    Form7 form(shell, record);
    form.Form_Load();
    form.show();
    settle(800);

    type(form, "Text1", QStringLiteral("Margaret"));
    type(form, "Text2", QStringLiteral("A."));
    type(form, "Text3", QStringLiteral("Quintero"));
    type(form, "Text16", QStringLiteral("11/02"));
    type(form, "Text4", QStringLiteral("Daniel"));
    type(form, "Text5", QStringLiteral("R."));
    type(form, "Text6", QStringLiteral("Quintero"));
    type(form, "Text17", QStringLiteral("06/23"));
    type(form, "Text7", QStringLiteral("4471 East Mesquite Bend Road"));
    type(form, "Text10", QStringLiteral("85917"));
    type(form, "Text11", QStringLiteral("(520) 555-0119"));
    type(form, "Text12", QStringLiteral("(520) 555-0164"));
    type(form, "Text13", QStringLiteral("mquintero@example.org"));
    type(form, "Text15", QStringLiteral("http://www.example.org/quintero"));
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("Linux"));
    form.findChild<QCheckBox *>(QStringLiteral("Check2"))->setChecked(false);
    settle(300);

    bool saved = saveWindow(form, dir.filePath(QStringLiteral("form.png")));
    click(form, "Command1");
    settle(1500);
    saved &= saveWindow(form, dir.filePath(QStringLiteral("page-view.png")));
    {
        // The real print dialog, as the user meets it after clicking Print.
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, &form);
        dialog.open();
        settle(1500);
        saved &= saveWindow(dialog, dir.filePath(QStringLiteral("print-dialog.png")));
        dialog.reject();
    }
    click(form, "Command4");
    settle(1500);
    saved &= saveWindow(form, dir.filePath(QStringLiteral("after-edit.png")));
    click(form, "Command1");
    settle(800);
    click(form, "Command3");

    if (!saved || !shell.ended) {
        QTextStream(stderr) << "snapshot: " << (saved ? "the page was not printed" : "a screenshot failed") << '\n';
        return 1;
    }
    return 0;
}
