#ifndef TFCC_PREVIEWPAGE_H
#define TFCC_PREVIEWPAGE_H

class PageSurface;
struct PageInputs;

// The filled-out application as the window shows it after Preview.
namespace PreviewPage {

// Draws the page from the window's current cursor; the caller has already
// cleared the surface and switched the window to its page view.
void compose(PageSurface &surface, const PageInputs &in);

}

#endif
