#include "form7.h"

#include "applicantrecord.h"
#include "compactindicatorstyle.h"
#include "designface.h"
#include "formshell.h"
#include "pageinputs.h"
#include "previewpage.h"
#include "printedpage.h"
#include "printersurface.h"
#include "viewshape.h"
#include "windowsurface.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QIcon>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <limits>
#include <utility>

namespace {

const QColor PaleCyan(240, 255, 255);
const QColor White(255, 255, 255);
const QString Title = QStringLiteral("TFCC Application");

// The classic light system colours, whatever the desktop's theme, so that the
// designed pale cyan window always carries dark, legible text.
QPalette classicPalette()
{
    QPalette palette;
    const QColor black(0, 0, 0);
    const QColor buttonFace(240, 240, 240);
    palette.setColor(QPalette::Window, PaleCyan);
    palette.setColor(QPalette::WindowText, black);
    palette.setColor(QPalette::Base, White);
    palette.setColor(QPalette::AlternateBase, buttonFace);
    palette.setColor(QPalette::Text, black);
    palette.setColor(QPalette::PlaceholderText, QColor(109, 109, 109));
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::BrightText, White);
    palette.setColor(QPalette::Light, White);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(105, 105, 105));
    palette.setColor(QPalette::Shadow, black);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, White);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(109, 109, 109));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(109, 109, 109));
    return palette;
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

// A check box's value: 0 unchecked, 1 checked, 2 greyed.
int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

} // namespace

Form7::Form7(FormShell &shell, ApplicantRecord &record, QWidget *parent)
    : QWidget(parent), m_shell(shell), m_record(record),
      m_indicatorStyle(std::make_unique<CompactIndicatorStyle>())
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(Title);
    // The program's start-up gives every window its icon; a form made without
    // it, as the tests make it, reads the icon itself.
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(QIcon(QStringLiteral(":/tfcc.ico")));
    setPalette(classicPalette());
    setFont(designFont());
    setAutoFillBackground(true);
    // The designed form reads left to right, whatever language the toolkit's
    // own dialogs speak.
    setLayoutDirection(Qt::LeftToRight);

    m_surface = new WindowSurface(font(), this);
    m_surface->setObjectName(QStringLiteral("PageSurface"));
    m_surface->setBackColor(PaleCyan);
    {
        // A new text box lays its empty text out once in the application's
        // font before it takes the window's. With the window's font as the
        // application's while the controls are made, the form's first frame
        // loads no face but its own: the desktop's default face costs as much
        // again as the form's on a desktop with thousands of faces. Dialogs
        // made later have the desktop's font as before.
        const QFont desktopFont = QGuiApplication::font();
        QGuiApplication::setFont(font());
        createControls();
        QGuiApplication::setFont(desktopFont);
    }
    setTabOrder();
    setAccessibleNames();
    m_shape = new ViewShape(*this, m_shell, QSize(twips(ClientWidth), twips(ClientHeight)),
                            [this] { return pageViewSize(); });
    Text1->setFocus();
    // The pictures belong to the page view: they are decoded once the form's
    // first frame is drawn, or when Preview or Print needs them first.
    m_surface->installEventFilter(this);
}

Form7::~Form7() = default;

void Form7::Form_Load()
{
    Text14->setText(QStringLiteral("Fill out this form to print an application for membership in TFCC."));
}

int Form7::twips(int value) const
{
    return qRound(value * logicalDpiX() / 1440.0);
}

QRect Form7::twipsRect(int left, int top, int width, int height) const
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QLabel *Form7::makeLabel(const char *name, const char *caption, const QRect &geometry, bool windowText)
{
    auto *label = new QLabel(QString::fromUtf8(caption), this);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(windowText ? QPalette::WindowText : QPalette::ButtonText));
    label->setPalette(palette);
    setBackground(label, PaleCyan);
    return label;
}

QLineEdit *Form7::makeTextBox(const char *name, const char *text, const char *toolTip, const QRect &geometry)
{
    // Made empty, a box lays its text out in the form's font only: a text
    // given to the constructor is laid out first in the application's.
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setToolTip(QString::fromUtf8(toolTip));
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(QString::fromUtf8(text));
    box->setGeometry(geometry);
    return box;
}

QPushButton *Form7::makeButton(const char *name, const char *caption, const char *toolTip, const QRect &geometry)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(toolTip));
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

void Form7::createControls()
{
    // Labels first, so every other control lies above them.
    Label7 = makeLabel("Label7", "First Name", twipsRect(120, 720, 1692, 252), false);
    Label8 = makeLabel("Label8", "MI", twipsRect(2520, 720, 372, 252), false);
    Label9 = makeLabel("Label9", "Last", twipsRect(3000, 720, 2172, 252), false);
    Label17 = makeLabel("Label17", "Birthday (Mo/Da)", twipsRect(5520, 720, 1452, 252), false);
    Label1 = makeLabel("Label1", "Spouse First Name", twipsRect(120, 1320, 2292, 252), true);
    Label10 = makeLabel("Label10", "MI", twipsRect(2520, 1320, 372, 252), false);
    Label11 = makeLabel("Label11", "Last", twipsRect(3000, 1320, 2532, 252), false);
    Label3 = makeLabel("Label3", "Street", twipsRect(120, 1920, 852, 252), true);
    Label4 = makeLabel("Label4", "City", twipsRect(120, 2520, 852, 252), true);
    Label5 = makeLabel("Label5", "ST", twipsRect(3240, 2520, 372, 252), true);
    Label6 = makeLabel("Label6", "Zip", twipsRect(3720, 2520, 852, 252), true);
    Label12 = makeLabel("Label12", "Day Phone", twipsRect(120, 3120, 972, 252), false);
    Label13 = makeLabel("Label13", "Evening Phone", twipsRect(3000, 3120, 1812, 252), false);
    Label14 = makeLabel("Label14", "E-Mail Address", twipsRect(120, 3720, 1932, 252), false);
    Label2 = makeLabel("Label2", "Web Page URL", twipsRect(3000, 3720, 1692, 252), false);
    Label15 = makeLabel("Label15", "Primary OS", twipsRect(5880, 3720, 972, 252), false);

    Text14 = makeTextBox("Text14", "", "", twipsRect(120, 0, 5532, 288));
    Text14->setFrame(false);
    QPalette instruction = Text14->palette();
    instruction.setColor(QPalette::Base, PaleCyan);
    instruction.setColor(QPalette::Text, instruction.color(QPalette::ButtonText));
    Text14->setPalette(instruction);
    // The instruction line is there to be read, not to be tabbed through.
    Text14->setFocusPolicy(Qt::ClickFocus);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setToolTip(QStringLiteral("Form of payment"));
    Frame2->setGeometry(twipsRect(120, 240, 3132, 372));
    setBackground(Frame2, PaleCyan);
    Option1 = new QRadioButton(QStringLiteral("New"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setToolTip(QStringLiteral("Click either New or Renewal."));
    Option1->setGeometry(twipsRect(120, 120, 1212, 192));
    Option2 = new QRadioButton(QStringLiteral("Renewal"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setToolTip(QStringLiteral("Click either New or Renewal."));
    Option2->setGeometry(twipsRect(1560, 120, 1332, 192));
    Option2->setChecked(true);
    // The group's one Tab stop is the selected button; Qt moves it on once a button has had the focus.
    Option1->setFocusPolicy(Qt::ClickFocus);

    Check1 = new QCheckBox(QStringLiteral("OK to publish data"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(QStringLiteral(
        "Check here to give permission to publish your name, address, etc. in the Club Address Book."));
    Check1->setGeometry(twipsRect(3360, 360, 1812, 252));
    Check1->setChecked(true);
    Check2 = new QCheckBox(QStringLiteral("OK to e-mail"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setToolTip(QStringLiteral("Check here to give permission to send you e-mail on Club matters."));
    Check2->setGeometry(twipsRect(5280, 360, 1572, 192));
    Check2->setChecked(true);
    for (QWidget *box : std::initializer_list<QWidget *>{Option1, Option2, Check1, Check2}) {
        setBackground(box, PaleCyan);
        box->setStyle(m_indicatorStyle.get());
    }

    Text1 = makeTextBox("Text1", "", "Your first name", twipsRect(120, 960, 2292, 285));
    Text2 = makeTextBox("Text2", "", "Your middle initial", twipsRect(2520, 960, 372, 285));
    Text3 = makeTextBox("Text3", "", "Your last name", twipsRect(3000, 960, 2652, 285));
    Text16 = makeTextBox("Text16", "", "Just the month and day.", twipsRect(5880, 960, 852, 288));
    Text4 = makeTextBox("Text4", "", "Your spouse's first name", twipsRect(120, 1560, 2292, 285));
    Text5 = makeTextBox("Text5", "", "Your spouse's middle initial", twipsRect(2520, 1560, 372, 285));
    Text6 = makeTextBox("Text6", "", "Your spouse's last name", twipsRect(3000, 1560, 2652, 285));
    Text17 = makeTextBox("Text17", "", "Just the month and day.", twipsRect(5880, 1560, 852, 288));
    Text7 = makeTextBox("Text7", "", "Your street address", twipsRect(120, 2160, 5532, 252));
    Text8 = makeTextBox("Text8", "Copper Wash City", "Your city", twipsRect(120, 2760, 3012, 288));
    Text9 = makeTextBox("Text9", "AZ", "Your state", twipsRect(3240, 2760, 372, 288));
    Text10 = makeTextBox("Text10", "", "Your 5-digit zip code", twipsRect(3720, 2760, 1932, 288));
    Text11 = makeTextBox("Text11", "", "Your daytime telephone number", twipsRect(120, 3360, 2652, 288));
    Text12 = makeTextBox("Text12", "", "Your evening phone", twipsRect(3000, 3360, 2652, 288));
    Text13 = makeTextBox("Text13", "", "e-mail address", twipsRect(120, 3960, 2652, 288));
    Text15 = makeTextBox("Text15", "", "Your Web Page address", twipsRect(3000, 3960, 2652, 288));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setToolTip(QStringLiteral("The Operating System on your main machine"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems({QStringLiteral("XP"), QStringLiteral("NT"), QStringLiteral("ME"), QStringLiteral("2000"),
                      QStringLiteral("98 SE"), QStringLiteral("98"), QStringLiteral("95"), QStringLiteral("Mac"),
                      QStringLiteral("Other")});
    Combo1->setCurrentIndex(-1);
    Combo1->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // What is typed stays as typed: no entry of the list completes it.
    Combo1->setCompleter(nullptr);
    Combo1->setGeometry(twipsRect(5880, 3960, 852, 288));

    Command1 = makeButton("Command1", "Preview", "Click here to preview your filled-out application.",
                          twipsRect(5880, 2160, 855, 495));
    Command2 = makeButton("Command2", "Cancel", "Click here to exit.without saving.", twipsRect(5880, 2880, 855, 495));
    Command3 = makeButton("Command3", "Print", "Click to print this page.", twipsRect(8400, 1200, 852, 492));
    Command4 = makeButton("Command4", "Edit", "Click to recall the filled-out input form.", twipsRect(8400, 1900, 852, 492));
    Command5 = makeButton("Command5", "Cancel", "Click to exit without save.", twipsRect(8400, 2600, 852, 492));
    showPageButtons(false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setGeometry(twipsRect(360, 360, 1812, 1212));
    setBackground(Picture1, palette().color(QPalette::HighlightedText));
    Picture1->hide();
    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2->setGeometry(twipsRect(2400, 360, 6732, 612));
    setBackground(Picture2, palette().color(QPalette::Base));
    Picture2->hide();

    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form7::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form7::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form7::Command5_Click);
}

void Form7::setTabOrder()
{
    QWidget *const order[] = {Text1,  Text2,   Text3,   Text16,   Text4,    Text5,    Text6,
                              Text17, Text7,   Text8,   Text9,    Text10,   Text11,   Text12,
                              Text13, Text15,  Combo1,  Option1,  Option2,  Check1,   Check2,
                              Command1, Command2, Command3, Command4, Command5, Text14};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Screen readers name each box by the label above it (the tooltips already
// serve as descriptions); boxes without a label are named for what they hold.
void Form7::setAccessibleNames()
{
    const std::pair<QLabel *, QWidget *> labelled[] = {
        {Label7, Text1},   {Label8, Text2},   {Label9, Text3},   {Label17, Text16},
        {Label1, Text4},   {Label10, Text5},  {Label11, Text6},  {Label3, Text7},
        {Label4, Text8},   {Label5, Text9},   {Label6, Text10},  {Label12, Text11},
        {Label13, Text12}, {Label14, Text13}, {Label2, Text15},  {Label15, Combo1}};
    for (const auto &[label, box] : labelled) {
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }
    Text17->setAccessibleName(QStringLiteral("Spouse's birthday (Mo/Da)"));
    Text14->setAccessibleName(QStringLiteral("Instructions"));
    m_surface->setAccessibleName(QStringLiteral("Application page"));
}

// The page buttons lie beyond the input view's right edge: there they are
// hidden and disabled, so that neither a key, a click nor a screen reader
// reaches them.
void Form7::showPageButtons(bool shown)
{
    for (QPushButton *button : {Command3, Command4, Command5}) {
        button->setEnabled(shown);
        button->setVisible(shown);
    }
}

// What the page view has to show: the drawn page, the pictures and the
// buttons, with the form's margin beyond them.
QSize Form7::pageViewSize() const
{
    const QWidget *const controls[] = {Picture1, Picture2, Command3, Command4, Command5};
    QRect needed = m_surface->drawnRect();
    for (const QWidget *control : controls)
        needed |= control->geometry().adjusted(0, 0, twips(120), twips(120));
    return QSize(needed.right() + 1, needed.bottom() + 1);
}

bool Form7::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_surface && event->type() == QEvent::Paint) {
        m_surface->removeEventFilter(this);
        // Queued, the decoding comes after the frame this paint belongs to
        // is on the screen.
        QMetaObject::invokeMethod(this, &Form7::loadPictures, Qt::QueuedConnection);
        QMetaObject::invokeMethod(this, &Form7::rehearsePreview, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void Form7::loadPictures()
{
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    m_image1 = QImage(QStringLiteral(":/picture1.gif"));
    m_image2 = QImage(QStringLiteral(":/picture2.gif"));
    Picture1->setPixmap(QPixmap::fromImage(m_image1));
    Picture2->setPixmap(QPixmap::fromImage(m_image2));
}

// While the applicant reads the form, the page is drawn where nobody sees
// it: the first Preview finds its fonts loaded, its letters rasterized and
// room for it made.
void Form7::rehearsePreview()
{
    const PageInputs in = pageInputs();
    m_surface->rehearse([&in](PageSurface &surface) { PreviewPage::compose(surface, in); });
}

void Form7::resizeEvent(QResizeEvent *event)
{
    m_surface->setGeometry(rect());
    QWidget::resizeEvent(event);
}

// A web browser makes the window active while it is still being shown, before
// its boxes count as visible, and the toolkit then passes the focus over the
// first box to the next. The first time the window is active, once it is
// shown, the focus goes back where the form starts.
void Form7::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_everActive) {
        m_everActive = true;
        QMetaObject::invokeMethod(this, [this] {
            if (Text1->isVisible() && focusWidget() != Text1)
                Text1->setFocus(Qt::ActiveWindowFocusReason);
        }, Qt::QueuedConnection);
    }
}

void Form7::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_ending)
        endProgram();
}

void Form7::endProgram()
{
    m_ending = true;
    m_shell.endProgram();
}

// Preview: check the entries, keep them, and show the filled-out page.
void Form7::Command1_Click()
{
    m_surface->setAutoRedraw(true);
    if (Text1->text() == QLatin1String(".")) {
        loadSampleRecord();
    } else {
        if (Text1->text().isEmpty()) {
            m_shell.showWarning(this, Title, QStringLiteral("You must enter a name."));
            return;
        }
        if (Text7->text().isEmpty()) {
            m_shell.showWarning(this, Title, QStringLiteral("You must enter a Street address."));
            return;
        }
        copyEntriesToRecord();
    }
    m_record.MembershipType = QStringLiteral("New");
    if (Option2->isChecked())
        m_record.MembershipType = QStringLiteral("Renewal");

    // Handed along from box to box as each one is hidden, the focus would
    // select and lay out every entry on its way to the page's first button;
    // it goes there at once.
    QWidget *focused = focusWidget();
    const bool focusLeaves = focused && focused != Command3 && focused != Command4 && focused != Command5;
    if (focusLeaves)
        focused->clearFocus();
    hideLabelsTextsAndChecks();
    Combo1->hide();
    m_surface->Cls();
    whiteAndMaximized();
    hideInputButtons();
    if (focusLeaves)
        Command3->setFocus(Qt::TabFocusReason);
    loadPictures();
    Picture1->show();
    Picture2->show();
    drawPreviewPage();
}

void Form7::loadSampleRecord()
{
    m_record.FirstName = QStringLiteral("Rosalind");
    m_record.MiddleInitial = QStringLiteral("T.");
    m_record.LastName = QStringLiteral("Whitacre");
    m_record.SpouseFirstName = QString();
    m_record.SpouseMiddleInitial = QString();
    m_record.SpouseLastName = QString();
    m_record.Street = QStringLiteral("1208 Saguaro Lane");
    m_record.City = QStringLiteral("Copper Wash City");
    m_record.State = QStringLiteral("AZ");
    m_record.Zip = QStringLiteral("85919");
    m_record.EMail = QStringLiteral("rwhitacre@example.net");
    m_record.DayPhone = QStringLiteral("(520) 555-0142");
    m_record.EveningPhone = QStringLiteral("(520) 555-0187");
    m_record.WebPage = QStringLiteral("http://www.example.net/~rosalind");
    m_record.PrimaryOS = QStringLiteral("XP");
    m_record.Birthday = QStringLiteral("04/17");
    // The pages print the member's birthday from its box.
    Text16->setText(m_record.Birthday);
}

void Form7::copyEntriesToRecord()
{
    m_record.FirstName = Text1->text();
    m_record.MiddleInitial = Text2->text();
    m_record.LastName = Text3->text();
    m_record.SpouseFirstName = Text4->text();
    m_record.SpouseMiddleInitial = Text5->text();
    m_record.SpouseLastName = Text6->text();
    m_record.Street = Text7->text();
    m_record.City = Text8->text();
    m_record.State = Text9->text();
    m_record.Zip = Text10->text();
    m_record.EMail = Text13->text();
    m_record.DayPhone = Text11->text();
    m_record.EveningPhone = Text12->text();
    m_record.WebPage = Text15->text();
    m_record.PrimaryOS = Combo1->currentText();
    m_record.Birthday = Text16->text();
    m_record.SpouseBirthday = Text17->text();
}

PageInputs Form7::pageInputs() const
{
    PageInputs in;
    in.record = m_record;
    in.memberBirthday = Text16->text();
    in.spouseBirthday = Text17->text();
    in.publishPermission = checkValue(Check1);
    in.emailPermission = checkValue(Check2);
    in.date = pageDate(QDate::currentDate(), QLocale());
    return in;
}

void Form7::drawPreviewPage()
{
    PreviewPage::compose(*m_surface, pageInputs());
}

// Label1 to Label15, in order; Label17 stays under the banner in the page view.
QList<QLabel *> Form7::inputLabels() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8,
            Label9, Label10, Label11, Label12, Label13, Label14, Label15};
}

QList<QLineEdit *> Form7::textBoxes() const
{
    return {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9,
            Text10, Text11, Text12, Text13, Text14, Text15, Text16, Text17};
}

void Form7::hideLabelsTextsAndChecks()
{
    for (QLabel *label : inputLabels())
        label->hide();
    for (QLineEdit *box : textBoxes())
        box->hide();
    Check1->hide();
    Check2->hide();
}

void Form7::whiteAndMaximized()
{
    m_surface->setBackColor(White);
    showPageButtons(true);
    m_shape->showPageView();
}

void Form7::hideInputButtons()
{
    Command1->hide();
    Command2->hide();
    Option1->hide();
    Option2->hide();
    Frame2->hide();
}

// Cancel in the input view.
void Form7::Command2_Click()
{
    m_ending = true;
    close();
    endProgram();
}

bool Form7::CMDialog1_ShowPrinter(QPrinter &printer)
{
    return m_shell.execPrintDialog(&printer, this);
}

// Print: the page goes to the printer the user chose, then the program ends.
// A print that cannot be done leaves the page view as it was, with a word why.
void Form7::Command3_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Title);
    if (!CMDialog1_ShowPrinter(printer))
        return;

    PrinterSurface page(printer);
    if (!page.begin()) {
        m_shell.showWarning(this, Title, QStringLiteral("The application was not printed.\n%1").arg(page.errorString()));
        return;
    }
    hideLabelsTextsAndChecks();
    whiteAndMaximized();
    hideInputButtons();
    loadPictures();
    PrintedPage::compose(page, pageInputs(), m_image1, m_image2);
    if (!page.EndDoc()) {
        m_surface->Cls();
        drawPreviewPage();
        m_shell.showWarning(this, Title, QStringLiteral("The application was not printed.\n%1").arg(page.errorString()));
        return;
    }
    endProgram();
}

// Edit: back to the form, with the kept values.
void Form7::Command4_Click()
{
    Picture1->hide();
    Picture2->hide();
    m_shape->showInputView();
    m_surface->setBackColor(PaleCyan);
    Command1->show();
    Command2->show();
    Option1->show();
    Option2->show();
    Frame2->show();

    Text1->setText(m_record.FirstName);
    Text2->setText(m_record.MiddleInitial);
    Text3->setText(m_record.LastName);
    Text4->setText(m_record.SpouseFirstName);
    Text5->setText(m_record.SpouseMiddleInitial);
    Text6->setText(m_record.SpouseLastName);
    Text7->setText(m_record.Street);
    Text8->setText(m_record.City);
    Text9->setText(m_record.State);
    Text10->setText(m_record.Zip);
    Text11->setText(m_record.DayPhone);
    Text12->setText(m_record.EveningPhone);
    Text13->setText(m_record.EMail);
    Text14->setText(QStringLiteral("Edit as required and continue."));
    Text15->setText(m_record.WebPage);
    Combo1->setEditText(m_record.PrimaryOS);

    for (QLabel *label : inputLabels())
        label->show();
    for (QLineEdit *box : textBoxes())
        box->show();
    Check1->show();
    Check2->show();
    Combo1->show();
    Text1->setFocus();
    showPageButtons(false);
}

// Cancel in the page view.
void Form7::Command5_Click()
{
    Command2_Click();
}
