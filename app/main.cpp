// The Quorva program: start-up, then shutdown.
#include "app/QuorvaApp.h"

int main() {
    App().InitInstance();
    return App().ExitInstance();
}
