#include "model/options.h"

namespace tessaro {

const char* feetText(Feet feet) {
    switch (feet) {
    case Feet::None: return "No";
    case Feet::One: return "1";
    case Feet::Two: return "2";
    }
    return "2";
}

}  // namespace tessaro
