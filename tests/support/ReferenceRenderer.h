#pragma once

namespace kaleidra {

class PlotSink;
struct PatternState;

// The pattern walked one step at a time with the cosine and sine of every
// phase worked out afresh: slow, but plainly right, so drawPattern() is
// checked against it point for point.
void referenceDrawPattern(PatternState &state, PlotSink &sink);

} // namespace kaleidra
