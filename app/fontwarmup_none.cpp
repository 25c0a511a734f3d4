#include "fontwarmup.h"

// Windows reads its fonts when the toolkit first asks for them, quickly and
// with no configuration to parse, and in a web browser the fonts are the few
// the program carries, on its one thread: there is nothing to do beside
// start-up.

FontWarmUp::FontWarmUp() = default;

FontWarmUp::~FontWarmUp() = default;

void FontWarmUp::applicationReady()
{
    m_told = true;
}

void FontWarmUp::finish()
{
}

void FontWarmUp::run(std::future<bool>)
{
}
