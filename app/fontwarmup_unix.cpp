#include "fontwarmup.h"

#include "designface.h"

#include <QFontDatabase>
#include <QString>

#include <system_error>

FontWarmUp::FontWarmUp()
{
    try {
        m_thread = std::thread(&FontWarmUp::run, this, m_application.get_future());
    } catch (const std::system_error &) {
        // No thread to be had: the form reads the fonts itself when it first
        // needs them, as it would without a warm-up.
    }
}

FontWarmUp::~FontWarmUp()
{
    finish();
}

void FontWarmUp::applicationReady()
{
    if (m_told)
        return;
    m_told = true;
    m_application.set_value(true);
}

void FontWarmUp::finish()
{
    if (!m_told) {
        m_told = true;
        m_application.set_value(false);
    }
    if (m_thread.joinable())
        m_thread.join();
}

void FontWarmUp::run(std::future<bool> application)
{
    // Reading the font configuration, and mapping the form's face in it
    // before any other thread reads it. Parsing the configuration files is
    // most of the work; fontconfig keeps the result for the whole process,
    // and the toolkit's own call finds it.
    mapDesignFace();
    // Any question about a family fills the toolkit's database: the fonts
    // fontconfig knows, registered once, under the database's lock. This one
    // costs nothing beyond that, where listing every family would.
    if (application.get())
        QFontDatabase::isFixedPitch(QStringLiteral("Liberation Sans"));
}
