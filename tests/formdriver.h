#ifndef FORMDRIVER_H
#define FORMDRIVER_H

#include "applicantrecord.h"
#include "fakeshell.h"
#include "form7.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

// What the robustness tests share: the boxes an applicant types in, entering
// text as a paste would, and reading a printed PDF back.
namespace FormDriver {

inline const QString Title = QStringLiteral("TFCC Application");

template<typename T = QWidget>
T *control(const Form7 &window, const QString &name)
{
    T *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("Form7 has no control %s", qPrintable(name));
    return widget;
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
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace FormDriver

#endif
