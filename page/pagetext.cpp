#include "pagetext.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Texts closer than this (in pixels) were printed one right after the other.
constexpr double Adjacent = 0.5;

// A blank between two texts that stand apart, unless one of them brings its own.
bool needsBlank(const PageText::Run &left, const PageText::Run &right)
{
    if (std::abs(right.box.left() - left.box.right()) < Adjacent)
        return false;
    return !left.text.back().isSpace() && !right.text.front().isSpace();
}

} // namespace

void PageText::add(const QPointF &topLeft, double lineHeight, const QFont &font, const QString &text)
{
    if (text.isEmpty())
        return;
    m_runs.append({QRectF(topLeft, QSizeF(0, lineHeight)), font, text});
    m_built = false;
}

void PageText::clear()
{
    m_runs.clear();
    m_measured = 0;
    m_built = false;
}

const QString &PageText::text() const
{
    build();
    return m_text;
}

void PageText::build() const
{
    if (m_built)
        return;
    m_built = true;
    for (; m_measured < m_runs.size(); ++m_measured) {
        Run &run = m_runs[m_measured];
        run.box.setWidth(QFontMetricsF(run.font, m_device).horizontalAdvance(run.text));
    }
    m_text.clear();
    m_placed.clear();

    QList<qsizetype> order(m_runs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
        const QRectF &p = m_runs[a].box;
        const QRectF &q = m_runs[b].box;
        return p.top() != q.top() ? p.top() < q.top() : p.left() < q.left();
    });

    const Run *previous = nullptr;
    for (qsizetype i : order) {
        const Run &run = m_runs[i];
        if (previous && previous->box.top() != run.box.top())
            m_text += u'\n';
        else if (previous && needsBlank(*previous, run))
            m_text += u' ';
        m_placed.append({int(m_text.size()), i});
        m_text += run.text;
        previous = &run;
    }
}

const PageText::Run *PageText::runAt(int offset, int *index) const
{
    build();
    auto after = std::upper_bound(m_placed.cbegin(), m_placed.cend(), offset,
                                  [](int value, const std::pair<int, qsizetype> &placed) {
                                      return value < placed.first;
                                  });
    if (after == m_placed.cbegin())
        return nullptr;
    const auto &[start, i] = *std::prev(after);
    const Run &run = m_runs[i];
    if (offset - start >= run.text.size())
        return nullptr;
    *index = offset - start;
    return &run;
}

const PageText::Run *PageText::runAtPoint(const QPointF &point, int *start) const
{
    build();
    for (const auto &[offset, i] : m_placed) {
        if (m_runs[i].box.contains(point)) {
            *start = offset;
            return &m_runs[i];
        }
    }
    return nullptr;
}
