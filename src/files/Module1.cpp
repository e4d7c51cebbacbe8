#include "Module1.h"

namespace Module1 {

QString saveFileName;

} // namespace Module1
