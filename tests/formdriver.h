#ifndef TFCC_FORMDRIVER_H
#define TFCC_FORMDRIVER_H

#include "applicantrecord.h"
#include "fakeshell.h"
#include "form7.h"
#include "pdftools.h"
#include "windowsurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

// What the tests of the window share: a shown window on a desktop that shows
// nothing, the boxes an applicant types in, entering text as a paste would,
// what the form shows, and reading a printed PDF back.
namespace FormDriver {

inline const QString Title = QStringLiteral("TFCC Application");

// A window with the record it keeps, already shown; take it apart with
// auto &[shell, record, window] = session.
struct Session
{
    enum Start { ShowOnly, LoadAndShow };

    explicit Session(Start start)
    {
        if (start == LoadAndShow)
            window.Form_Load();
        // As start-up shows it: show() asks for the platform's default state,
        // which in a web browser is full screen.
        window.setVisible(true);
    }

    FakeShell shell;
    ApplicantRecord record;
    Form7 window{shell, record};
};

// A length the form is designed in, in pixels of the window's screen.
inline int px(const QWidget *widget, int twips)
{
    return qRound(twips * widget->logicalDpiX() / 1440.0);
}

template<typename T = QWidget>
T *control(const Form7 &window, const QString &name)
{
    T *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("Form7 has no control %s", qPrintable(name));
    return widget;
}

// Every box that takes text: the numbered text boxes and the combo box.
inline QStringList typedBoxes()
{
    QStringList names;
    for (int i = 1; i <= 17; ++i)
        names << QStringLiteral("Text%1").arg(i);
    return names << QStringLiteral("Combo1");
}

// The controls the page view hides.
inline QStringList inputViewOnly()
{
    QStringList names;
    for (int i = 1; i <= 15; ++i)
        names << QStringLiteral("Label%1").arg(i);
    names << typedBoxes();
    return names << QStringLiteral("Check1") << QStringLiteral("Check2") << QStringLiteral("Option1")
                 << QStringLiteral("Option2") << QStringLiteral("Frame2") << QStringLiteral("Command1")
                 << QStringLiteral("Command2");
}

// The controls the page view shows.
inline QStringList pageViewControls()
{
    return {QStringLiteral("Picture1"), QStringLiteral("Picture2"), QStringLiteral("Command3"),
            QStringLiteral("Command4"), QStringLiteral("Command5"), QStringLiteral("Label17")};
}

// A box the applicant types in, and the field Preview keeps it in.
struct EntryBox
{
    QString name;
    const char *role;
    QString ApplicantRecord::*field;
};

inline const QList<EntryBox> &entryBoxes()
{
    static const QList<EntryBox> boxes = {
        {QStringLiteral("Text1"), "first name", &ApplicantRecord::FirstName},
        {QStringLiteral("Text2"), "middle initial", &ApplicantRecord::MiddleInitial},
        {QStringLiteral("Text3"), "last name", &ApplicantRecord::LastName},
        {QStringLiteral("Text16"), "birthday", &ApplicantRecord::Birthday},
        {QStringLiteral("Text4"), "spouse first name", &ApplicantRecord::SpouseFirstName},
        {QStringLiteral("Text5"), "spouse middle initial", &ApplicantRecord::SpouseMiddleInitial},
        {QStringLiteral("Text6"), "spouse last name", &ApplicantRecord::SpouseLastName},
        {QStringLiteral("Text17"), "spouse birthday", &ApplicantRecord::SpouseBirthday},
        {QStringLiteral("Text7"), "street", &ApplicantRecord::Street},
        {QStringLiteral("Text8"), "city", &ApplicantRecord::City},
        {QStringLiteral("Text9"), "state", &ApplicantRecord::State},
        {QStringLiteral("Text10"), "zip", &ApplicantRecord::Zip},
        {QStringLiteral("Text11"), "day phone", &ApplicantRecord::DayPhone},
        {QStringLiteral("Text12"), "evening phone", &ApplicantRecord::EveningPhone},
        {QStringLiteral("Text13"), "e-mail", &ApplicantRecord::EMail},
        {QStringLiteral("Text15"), "web page", &ApplicantRecord::WebPage},
        {QStringLiteral("Combo1"), "operating system", &ApplicantRecord::PrimaryOS},
    };
    return boxes;
}

inline QLineEdit *box(const Form7 &window, int number)
{
    return control<QLineEdit>(window, QStringLiteral("Text%1").arg(number));
}

inline QLineEdit *lineEdit(const Form7 &window, const QString &name)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(window, name)))
        return combo->lineEdit();
    return control<QLineEdit>(window, name);
}

inline QString entryText(const Form7 &window, const QString &name)
{
    if (auto *combo = qobject_cast<QComboBox *>(control(window, name)))
        return combo->currentText();
    return control<QLineEdit>(window, name)->text();
}

// Replaces what the box holds, as pasting over a selection does.
inline void enter(const Form7 &window, const QString &name, const QString &text)
{
    QLineEdit *line = lineEdit(window, name);
    line->selectAll();
    line->del();
    line->insert(text);
}

inline void click(const Form7 &window, const char *button)
{
    control<QPushButton>(window, QString::fromLatin1(button))->click();
}

// The input view's background.
inline const QColor PaleCyan(240, 255, 255);

// What the window shows right of the instruction line, where no control lies.
inline QColor colorWhereNoControlLies(QWidget &window)
{
    const QImage shot = window.grab().toImage();
    const QPoint empty(px(&window, 6300), px(&window, 120));
    return QColor(shot.pixel(empty * shot.devicePixelRatio()));
}

// A field of the record by its name.
inline QString field(const ApplicantRecord &record, const QString &name)
{
    static const QHash<QString, QString ApplicantRecord::*> fields = {
        {QStringLiteral("FirstName"), &ApplicantRecord::FirstName},
        {QStringLiteral("MiddleInitial"), &ApplicantRecord::MiddleInitial},
        {QStringLiteral("LastName"), &ApplicantRecord::LastName},
        {QStringLiteral("SpouseFirstName"), &ApplicantRecord::SpouseFirstName},
        {QStringLiteral("SpouseMiddleInitial"), &ApplicantRecord::SpouseMiddleInitial},
        {QStringLiteral("SpouseLastName"), &ApplicantRecord::SpouseLastName},
        {QStringLiteral("Street"), &ApplicantRecord::Street},
        {QStringLiteral("City"), &ApplicantRecord::City},
        {QStringLiteral("State"), &ApplicantRecord::State},
        {QStringLiteral("Zip"), &ApplicantRecord::Zip},
        {QStringLiteral("EMail"), &ApplicantRecord::EMail},
        {QStringLiteral("DayPhone"), &ApplicantRecord::DayPhone},
        {QStringLiteral("EveningPhone"), &ApplicantRecord::EveningPhone},
        {QStringLiteral("MembershipType"), &ApplicantRecord::MembershipType},
        {QStringLiteral("Birthday"), &ApplicantRecord::Birthday},
        {QStringLiteral("SpouseBirthday"), &ApplicantRecord::SpouseBirthday},
        {QStringLiteral("WebPage"), &ApplicantRecord::WebPage},
        {QStringLiteral("PrimaryOS"), &ApplicantRecord::PrimaryOS},
    };
    const auto member = fields.value(name);
    if (!member)
        qFatal("ApplicantRecord has no field %s", qPrintable(name));
    return record.*member;
}

// Every named control's visibility and what it holds: a box's text, a check
// box's state, whether any other button is checked.
inline QStringList formState(const Form7 &window)
{
    QStringList state;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QString entry = name + (widget->isVisible() ? QStringLiteral("=shown") : QStringLiteral("=hidden"));
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            entry += QLatin1Char('|') + line->text();
        if (auto *choice = qobject_cast<QComboBox *>(widget))
            entry += QLatin1Char('|') + choice->currentText();
        if (auto *check = qobject_cast<QCheckBox *>(widget))
            entry += QLatin1Char('|') + QString::number(check->checkState());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            entry += QLatin1Char('|') + QString::number(button->isChecked());
        state << entry;
    }
    state.sort();
    return state;
}

// Where the first pixel differs from color, or an empty text.
// The page as the surface shows it across its whole screen: the drawing, on
// the surface's background where nothing was drawn.
inline QImage shownPage(const WindowSurface &surface)
{
    const QImage &drawing = surface.persistentImage();
    const double ratio = drawing.isNull() ? surface.devicePixelRatioF() : drawing.devicePixelRatio();
    QImage page(surface.screen()->virtualSize() * ratio, QImage::Format_RGB32);
    page.fill(surface.BackColor());
    QPainter painter(&page);
    painter.drawImage(0, 0, drawing);
    return page;
}

inline QString firstOtherPixel(const QImage &image, const QColor &color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != color)
                return QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(image.pixelColor(x, y).name());
        }
    }
    return QString();
}

// The print dialog chooses a PDF file.
inline void printTo(FakeShell &shell, const QString &file)
{
    shell.acceptPrint = true;
    shell.configurePrinter = [file](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    };
}

// The text of a PDF in the order it was drawn, or an empty text when it
// cannot be read.
inline QString pdfText(const QString &pdf)
{
    return runPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8")},
                      pdf, {QStringLiteral("-")})
        .value_or(QString());
}

} // namespace FormDriver

#endif
