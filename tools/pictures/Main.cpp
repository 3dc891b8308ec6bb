// Writes the installed pictures into the program folder given as argument.
#include "tools/pictures/Pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <string_view>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") +
                                          file);

    const QString folder = QString::fromLocal8Bit(argv[1]) + "/";
    struct Output {
        const char* name;
        const char* format;
        std::function<QImage()> draw;
    };
    const Output outputs[] = {
        {"Background.jpg", "jpg", pictures::TitleBackground},
        {"Background_root.jpg", "jpg", pictures::RootBackground},
        {"splash1.jpg", "jpg", pictures::SplashPicture},
        {"title_menu_normal.png", "png", pictures::TitleMenuNormal},
        {"title_menu_hover.png", "png", pictures::TitleMenuHover},
        {"title_menu_select.png", "png", pictures::TitleMenuSelect},
        {"o.png", "png", pictures::ButtonFrame},
        {"back_sp.bmp", "bmp", pictures::GaugeStrip},
        {"148.bmp", "bmp", [] { return pictures::StartButton(true); }},
        {"149.bmp", "bmp", [] { return pictures::StartButton(false); }},
        {"150.bmp", "bmp", pictures::StartButtonMask},
        {"151.bmp", "bmp", [] { return pictures::StopButton(true); }},
        {"152.bmp", "bmp", [] { return pictures::StopButton(false); }},
    };
    for (const Output& output : outputs) {
        const QImage image = output.draw();
        const int quality = std::string_view(output.format) == "jpg" ? 92 : -1;
        if (!image.save(folder + output.name, output.format, quality)) {
            std::fprintf(stderr, "cannot write %s%s\n", argv[1], output.name);
            return 1;
        }
    }
    return 0;
}
