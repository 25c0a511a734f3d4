#include "applicantrecord.h"
#include "formdriver.h"
#include "toolkittranslation.h"
#include "windowsurface.h"

#include <QAccessible>
#include <QDate>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class tst_Locale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void previewDate_data();
    void previewDate();
    void qtTranslation_data();
    void qtTranslation();
    void formStaysLeftToRight();
    void pageStaysLeftToRight();
};

namespace {

// Preview of the sample application the "." shortcut fills in.
void previewTheSample(Form7 &window)
{
    FormDriver::enter(window, QStringLiteral("Text1"), QStringLiteral("."));
    window.Command1_Click();
}

} // namespace

void tst_Locale::cleanup()
{
    QLocale::setDefault(QLocale::system());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void tst_Locale::previewDate_data()
{
    QTest::addColumn<QString>("locale");

    QTest::newRow("US English") << "en_US";
    QTest::newRow("German") << "de_DE";
    QTest::newRow("French") << "fr_FR";
}

void tst_Locale::previewDate()
{
    QFETCH(QString, locale);

    QLocale::setDefault(QLocale(locale));
    FormDriver::Session session(FormDriver::Session::LoadAndShow);
    Form7 &window = session.window;
    previewTheSample(window);

    const QDate today = QDate::currentDate();
    const QString date = QStringLiteral("%1 %2, %3")
                             .arg(QLocale(locale).monthName(today.month()))
                             .arg(today.day(), 2, 10, QLatin1Char('0'))
                             .arg(today.year());
    const QString page = QAccessible::queryAccessibleInterface(window.surface())->text(QAccessible::Value);
    const QString signatureLine = page.section(QLatin1Char('\n'), 14, 14);
    QVERIFY2(signatureLine.startsWith(QLatin1String("Signature:")), qPrintable(signatureLine));
    QVERIFY2(signatureLine.endsWith(QLatin1String(" Date: ") + date), qPrintable(signatureLine));
}

void tst_Locale::qtTranslation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("printTitle");
    QTest::addColumn<QString>("cancel");

    QTest::newRow("German") << "de_DE" << true << "Drucken" << "Abbrechen";
    QTest::newRow("French") << "fr_FR" << true << "Imprimer" << "Annuler";
    QTest::newRow("Swiss German, by its language") << "de_CH" << true << "Drucken" << "Abbrechen";
    QTest::newRow("C locale: none, texts stay English") << "C" << false << "Print" << "Cancel";
}

void tst_Locale::qtTranslation()
{
    QFETCH(QString, locale);
    QFETCH(bool, loads);
    QFETCH(QString, printTitle);
    QFETCH(QString, cancel);

    if (QGuiApplication::platformName() == QLatin1String("wasm"))
        QSKIP("The web build carries none of the toolkit's translations");
    QTranslator translator;
    QCOMPARE(loadQtTranslation(translator, QLocale(locale)), loads);
    if (loads)
        QVERIFY(QCoreApplication::installTranslator(&translator));

    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), printTitle);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);
}

// A right-to-left language for the toolkit's dialogs must not mirror the form.
void tst_Locale::formStaysLeftToRight()
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);

    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    for (QWidget *control : window.findChildren<QWidget *>())
        QVERIFY2(control->layoutDirection() == Qt::LeftToRight, qPrintable(control->objectName()));
}

namespace {

QImage previewOfTheSample(Qt::LayoutDirection direction)
{
    QGuiApplication::setLayoutDirection(direction);
    FormDriver::Session session(FormDriver::Session::LoadAndShow);
    previewTheSample(session.window);
    return FormDriver::shownPage(*session.window.surface());
}

} // namespace

// Nor the page: its texts, which end in blanks and colons, are laid out left
// to right whatever way the toolkit's dialogs read.
void tst_Locale::pageStaysLeftToRight()
{
    const QImage leftToRight = previewOfTheSample(Qt::LeftToRight);
    const QImage rightToLeft = previewOfTheSample(Qt::RightToLeft);
    QVERIFY(!leftToRight.isNull());
    QCOMPARE(rightToLeft, leftToRight);
}

QTEST_MAIN(tst_Locale)
#include "tst_locale.moc"
