#ifndef TFCC_COMPACTINDICATORSTYLE_H
#define TFCC_COMPACTINDICATORSTYLE_H

#include <QProxyStyle>

// Check boxes and option buttons of the form are only 13 pixels high at the
// usual resolution: this style draws their boxes small enough to fit.
class CompactIndicatorStyle : public QProxyStyle
{
public:
    CompactIndicatorStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

#endif
