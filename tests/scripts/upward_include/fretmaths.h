// A maths header that reaches up into printing and into Qt: the layer check refuses both.
#include <QString>

#include "render/printjobs.h"
