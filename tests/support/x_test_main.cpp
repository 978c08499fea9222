// The entry of the tests that drive the whole program under an X server: they need an
// event loop of their own (D-Bus answers, process signals) but no windows.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
