#pragma once

#include "pattern/PatternState.h"

#include <cstddef>
#include <cstdint>
#include <deque>

namespace kaleidra {

// Every figure drawn since the picture was last cleared, with just what it
// takes to draw each again exactly: its terms and its pen colour. A figure
// of nine terms takes 21 bytes, so an hour of drawing (36,000 figures)
// about 0.75 MB, kept in small blocks that grow with it.
class FigureLog {
public:
    // Forgets every figure; the ones noted after this are drawn with the term
    // count and magnification that state has now.
    void restart(const PatternState &state);
    // Notes the figure that drawPattern() is about to draw from state.
    void add(const PatternState &state);

    std::size_t size() const { return m_count; }
    // A state from which drawPattern() draws figure index as it was drawn.
    PatternState figure(std::size_t index) const;

private:
    std::size_t recordSize() const;

    PatternState m_shape;
    std::size_t m_count = 0;
    std::deque<std::uint8_t> m_records;
};

} // namespace kaleidra
