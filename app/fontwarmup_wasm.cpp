#include "fontwarmup.h"

// In a web browser the program runs on one thread, and its fonts are the few
// it carries, read from its own resources when first asked for: there is no
// font configuration to read beside start-up.

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
