// Feeds arbitrary applicant entries and check box values to both page
// composers, on the test surface, the window's surface and an image of the
// printed page.

#include "imagepagesurface.h"
#include "pageinputs.h"
#include "previewpage.h"
#include "printedpage.h"
#include "recordingsurface.h"
#include "windowsurface.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>
#include <QImage>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The texts of the input in the order they are read.
QString ApplicantRecord::*const recordFields[] = {
    &ApplicantRecord::FirstName,       &ApplicantRecord::MiddleInitial,
    &ApplicantRecord::LastName,        &ApplicantRecord::SpouseFirstName,
    &ApplicantRecord::SpouseMiddleInitial, &ApplicantRecord::SpouseLastName,
    &ApplicantRecord::Street,          &ApplicantRecord::City,
    &ApplicantRecord::State,           &ApplicantRecord::Zip,
    &ApplicantRecord::EMail,           &ApplicantRecord::DayPhone,
    &ApplicantRecord::EveningPhone,    &ApplicantRecord::MembershipType,
    &ApplicantRecord::Birthday,        &ApplicantRecord::SpouseBirthday,
    &ApplicantRecord::WebPage,         &ApplicantRecord::PrimaryOS,
};

class Reader
{
public:
    Reader(const uint8_t *data, size_t size) : m_data(data), m_left(size) {}

    int checkValue()
    {
        if (m_left == 0)
            return 1;
        --m_left;
        return static_cast<int8_t>(*m_data++);
    }

    // A two-byte header, little-endian: the top bit chooses UTF-16 over
    // UTF-8, the other fifteen bits give the length in bytes.
    QString text()
    {
        if (m_left < 2)
            return QString();
        const unsigned header = m_data[0] | (m_data[1] << 8);
        m_data += 2;
        m_left -= 2;
        const size_t length = std::min<size_t>(header & 0x7fff, m_left);
        const char *bytes = reinterpret_cast<const char *>(m_data);
        m_data += length;
        m_left -= length;
        if (header & 0x8000) {
            // Copied, since the input need not be aligned for char16_t.
            const QByteArray units(bytes, qsizetype(length & ~size_t(1)));
            return QString::fromUtf16(reinterpret_cast<const char16_t *>(units.constData()),
                                      units.size() / 2);
        }
        return QString::fromUtf8(bytes, qsizetype(length));
    }

private:
    const uint8_t *m_data;
    size_t m_left;
};

PageInputs decode(const uint8_t *data, size_t size)
{
    Reader reader(data, size);
    PageInputs in;
    in.publishPermission = reader.checkValue();
    in.emailPermission = reader.checkValue();
    for (QString ApplicantRecord::*field : recordFields)
        in.record.*field = reader.text();
    in.memberBirthday = reader.text();
    in.spouseBirthday = reader.text();
    in.date = reader.text();
    return in;
}

// Where the cursor of each page ends up.
struct Ends
{
    double preview;
    double printed;
    double window;
    double paper;
};

struct Pages
{
    QImage picture1;
    QImage picture2;
    WindowSurface *window = nullptr;
    QImage paper;
    // The entries never end a line, so whatever they hold, every page must
    // end where it does when they are empty.
    Ends empty{};
};

Pages *pages = nullptr;

Ends composeAll(const PageInputs &in)
{
    RecordingSurface preview;
    PreviewPage::compose(preview, in);
    RecordingSurface printed;
    PrintedPage::compose(printed, in, pages->picture1, pages->picture2);

    pages->window->Cls();
    PreviewPage::compose(*pages->window, in);

    pages->paper.fill(Qt::white);
    ImagePageSurface paper(pages->paper);
    PrintedPage::compose(paper, in, pages->picture1, pages->picture2);
    paper.EndDoc();

    return {preview.CurrentY(), printed.CurrentY(), pages->window->CurrentY(), paper.CurrentY()};
}

void expectEnd(const char *page, double end, double expected)
{
    if (end != expected) {
        std::fprintf(stderr, "The %s ends at %g twips instead of %g.\n", page, end, expected);
        std::abort();
    }
}

// Font fallback warnings about odd scripts would drown the fuzzer's report;
// only a fatal message still ends the run.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// What the target made is let go before the process ends, the window and its
// fonts before the application. Left alive, they outlast the toolkit's font
// statics, which are destroyed at exit, and the font engines our fonts still
// hold become unreachable: a leak the check rightly reports.
void tearDown()
{
    if (pages) {
        delete pages->window;
        delete pages;
        pages = nullptr;
    }
    delete qApp;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    // The toolkit gets arguments of its own, so that it never takes or
    // removes any of the fuzzer's.
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argc > 0 ? (*argv)[0] : const_cast<char *>("fuzz_pages")), nullptr};
    new QApplication(qtArgc, qtArgv);

    pages = new Pages;
    pages->picture1 = QImage(QStringLiteral(":/picture1.gif"));
    pages->picture2 = QImage(QStringLiteral(":/picture2.gif"));
    if (pages->picture1.isNull() || pages->picture2.isNull()) {
        std::fprintf(stderr, "The pictures are missing from the resources.\n");
        std::abort();
    }
    QFont designFont(QStringLiteral("Liberation Sans"));
    designFont.setPointSizeF(7.8);
    designFont.setBold(true);
    pages->window = new WindowSurface(designFont);
    pages->window->setAutoRedraw(true);
    // A letter-size sheet at the screen's 96 pixels to the inch.
    pages->paper = QImage(816, 1056, QImage::Format_RGB32);

    pages->empty = composeAll(PageInputs());
    // After the first pages, so that it runs before the destructors of the
    // toolkit's statics that drawing them made.
    std::atexit(tearDown);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Ends ends = composeAll(decode(data, size));
    expectEnd("preview page", ends.preview, pages->empty.preview);
    expectEnd("printed page", ends.printed, pages->empty.printed);
    expectEnd("window's page", ends.window, pages->empty.window);
    expectEnd("printed page image", ends.paper, pages->empty.paper);
    return 0;
}
