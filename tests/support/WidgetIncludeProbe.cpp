// Compiled with the core's include guard: must not build.
#include <QtWidgets/QWidget>

int main() {
    return 0;
}
