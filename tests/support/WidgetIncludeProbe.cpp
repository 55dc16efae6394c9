// Compiled with an include guard (the core's, the report's): must not build.
#include <QtWidgets/QWidget>

int main() {
    return 0;
}
