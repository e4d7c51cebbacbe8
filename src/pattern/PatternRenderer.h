#pragma once

namespace kaleidra {

class PlotSink;
struct PatternState;

// Draws one mirrored pattern from the state into the sink, then moves the pen
// colour one step on. Gives exactly the points of the step-by-step walk
// (cosine and sine of every accumulated phase, additions in term order).
void drawPattern(PatternState &state, PlotSink &sink);

// The colour step that follows each pattern: red by 5, green and blue by 15,
// bouncing at the bounds.
void stepColour(PatternState &state);

} // namespace kaleidra
