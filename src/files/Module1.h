#pragma once

#include <QString>

namespace Module1 {

// The path the file chooser last saved to, which File > Save writes again.
extern QString saveFileName;

} // namespace Module1
