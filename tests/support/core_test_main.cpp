#include <QCoreApplication>
#include <gtest/gtest.h>

// The start of test programs that link no widgets.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
