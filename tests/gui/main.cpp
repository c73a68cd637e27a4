#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Offscreen the windows are tested on a netbook's screen of 1024 x 600 pixels.
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SIMULTANO_QUELLORDNER "/tests/gui/bildschirm-1024x600.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
