#include "ui/Application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QTranslator>

#include "ui/skin/Fonts.h"
#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/TabAccessibility.h"
#include "ui/widgets/MessageBoxes.h"

namespace {

// Qt's catalogue is compiled in (see data/fonts): the program reads no file.
// The program speaks Chinese whatever the user's locale, and so does Qt.
void InstallQtTranslation(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/i18n/qtbase_zh_CN.qm")))
        QApplication::installTranslator(translator);
}

// Qt decodes JPEG through a plugin that a partial installation can lack;
// without it the panel's backdrop and every beast picture would be blank.
// Asks for that decoder alone, on a picture the panel shows: listing the
// supported formats would load every image plugin (and Qt SVG behind one).
bool CanShowPictures()
{
    QImageReader probe(QStringLiteral(":/art/backdrop.jpg"), "jpeg");
    probe.setAutoDetectImageFormat(false);
    if (probe.canRead())
        return true;
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                    QStringLiteral("找不到Qt的JPEG图片插件，召唤兽的图片无法显示，程序将退出。\n"
                                   "请完整安装本程序所用的Qt（其imageformats插件目录中的qjpeg）。"),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.button(QMessageBox::Ok)->setIcon(ArtPixmap::Icon(QStringLiteral(":/art/btn_ok.png")));
    box.exec();
    return false;
}

}  // namespace

bool SetUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("qingai-dashu"));
    QApplication::setWindowIcon(ArtPixmap::Icon(QStringLiteral(":/art/app_icon_64.png")));
    QApplication::setDesktopFileName(QStringLiteral("io.github.qingaidashu.Dashu"));
    InstallQtTranslation(app);
    RegisterFonts();
    QApplication::setFont(InterfaceFont(QApplication::font()));
    InstallTabAccessibility();
    return CanShowPictures();
}
