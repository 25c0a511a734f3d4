// Times the application window's Preview and Print commands, and measures the
// memory the program holds after a Preview.
//   tfcc-bench-page preview RUNS [CHARS]      milliseconds of each Preview
//   tfcc-bench-page print RUNS [CHARS] PDF    milliseconds of each Print, from
//                                             the print dialog's OK to the end
//   tfcc-bench-page memory                    peak resident KiB after a Preview
// CHARS fills every text box with that many characters instead of a usual
// application. The first time printed is the first command of the process;
// between two Previews, Edit brings the form back.

#include "applicantrecord.h"
#include "form7.h"
#include "formshell.h"
#include "peakmemory.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QIcon>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QStyleFactory>
#include <QWindow>

#include <cstdio>

namespace {

// The print dialog chooses a PDF file at once and starts the clock of the
// Print command; a warning is a failed run.
class BenchShell : public FormShell
{
public:
    explicit BenchShell(const QString &pdf) : m_pdf(pdf) {}

    void showWarning(QWidget *, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "warning: %s\n", qPrintable(text));
        failed = true;
    }
    bool execPrintDialog(QPrinter *printer, QWidget *) override
    {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdf);
        printTimer.start();
        return true;
    }
    void endProgram() override {}

    bool failed = false;
    QElapsedTimer printTimer;

private:
    QString m_pdf;
};

void setText(Form7 &form, const char *name, const QString &text)
{
    form.findChild<QLineEdit *>(QString::fromLatin1(name))->setText(text);
}

void fillUsual(Form7 &form)
{
    setText(form, "Text1", QStringLiteral("Margaret"));
    setText(form, "Text2", QStringLiteral("A."));
    setText(form, "Text3", QStringLiteral("Quintero"));
    setText(form, "Text16", QStringLiteral("11/02"));
    setText(form, "Text4", QStringLiteral("Daniel"));
    setText(form, "Text5", QStringLiteral("R."));
    setText(form, "Text6", QStringLiteral("Quintero"));
    setText(form, "Text17", QStringLiteral("06/23"));
    setText(form, "Text7", QStringLiteral("4471 East Mesquite Bend Road"));
    setText(form, "Text10", QStringLiteral("85917"));
    setText(form, "Text11", QStringLiteral("(520) 555-0119"));
    setText(form, "Text12", QStringLiteral("(520) 555-0164"));
    setText(form, "Text13", QStringLiteral("mquintero@example.org"));
    setText(form, "Text15", QStringLiteral("http://www.example.org/quintero"));
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("Linux"));
}

void fillLong(Form7 &form, int chars)
{
    const QString words = QStringLiteral("Saguaro Lane 1208, Copper Wash City AZ; ");
    QString text;
    text.reserve(chars);
    while (text.size() < chars)
        text += words;
    text.truncate(chars);
    for (int i = 1; i <= 17; ++i)
        setText(form, qPrintable(QStringLiteral("Text%1").arg(i)), text);
}

// Lets the window system deliver whatever the last command asked of it.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Runs the program as it runs while its user reads the form: no one clicks
// within a quarter of a second of a window appearing.
void idle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

template<typename Command>
double timed(Command command)
{
    QElapsedTimer timer;
    timer.start();
    command();
    return timer.nsecsElapsed() / 1e6;
}

int usage()
{
    std::fprintf(stderr, "usage: tfcc-bench-page preview RUNS [CHARS] | print RUNS [CHARS] PDF | memory\n");
    return 64;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TFCC Application"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tfcc.ico")));

    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    const int runs = args.value(2).toInt();
    const int chars = args.value(3).toInt();
    if (mode == QLatin1String("memory")) {
        BenchShell shell({});
        ApplicantRecord record;
        Form7 form(shell, record);
        form.Form_Load();
        form.show();
        fillUsual(form);
        QElapsedTimer shown;
        shown.start();
        while (!(form.windowHandle() && form.windowHandle()->isExposed()) && shown.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        form.Command1_Click();
        reportPeakWhenSettled(form, [&form] {
            return form.width() >= form.screen()->availableGeometry().width() - 50;
        });
        return app.exec() || shell.failed;
    }
    if ((mode != QLatin1String("preview") && mode != QLatin1String("print")) || runs < 1)
        return usage();
    const bool print = mode == QLatin1String("print");
    if (print && args.size() < 5)
        return usage();

    BenchShell shell(print ? args.value(4) : QString());
    ApplicantRecord record;
    Form7 form(shell, record);
    form.Form_Load();
    form.show();
    chars > 0 ? fillLong(form, chars) : fillUsual(form);
    // Under valgrind everything takes longer: TFCC_BENCH_IDLE_MS stretches the wait.
    idle(qEnvironmentVariableIntValue("TFCC_BENCH_IDLE_MS") > 0 ? qEnvironmentVariableIntValue("TFCC_BENCH_IDLE_MS") : 250);

    if (print) {
        form.Command1_Click();
        settle();
    }
    for (int run = 0; run < runs; ++run) {
        double ms;
        if (print) {
            form.Command3_Click();
            ms = shell.printTimer.nsecsElapsed() / 1e6;
        } else {
            if (run > 0) {
                form.Command4_Click();
                settle();
            }
            ms = timed([&form] { form.Command1_Click(); });
        }
        settle();
        std::printf("%.3f\n", ms);
    }
    if (!print && !form.isMaximized())
        std::fprintf(stderr, "the window was not maximized\n");
    return shell.failed ? 1 : 0;
}
