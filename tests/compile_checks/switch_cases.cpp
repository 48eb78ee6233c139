// A switch over a domain enumeration names every enumerator, so that one
// added to the enumeration does not compile until each switch handles it:
// built with the engines' errors, this file fails unless CSP_COMPLETE
// handles the new one.
namespace {

enum class LiveLoad { H20, H25, E80, NewTruck };

double axleLoad(LiveLoad liveLoad) {
    switch (liveLoad) {
    case LiveLoad::H20: return 32000.0;
    case LiveLoad::H25: return 40000.0;
    case LiveLoad::E80: return 80000.0;
#ifdef CSP_COMPLETE
    case LiveLoad::NewTruck: return 50000.0;
#endif
    }
    return 0.0;
}

}  // namespace

int main() { return axleLoad(LiveLoad::H20) > 0.0 ? 0 : 1; }
