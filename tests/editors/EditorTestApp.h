#pragma once
// The widget tests need one QApplication for the whole test program.

#include <QApplication>

namespace orvantis::test {

inline void EnsureApplication()
{
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "editors-test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

}  // namespace orvantis::test

namespace orvantis::test {

// First member of a fixture whose other members are widgets.
struct TApplicationInstance {
    TApplicationInstance() { EnsureApplication(); }
};

}  // namespace orvantis::test
