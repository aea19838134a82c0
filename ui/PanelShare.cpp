#include "ui/PanelShare.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/pet.h"
#include "ui/session/BeastSession.h"
#include "ui/widgets/MessageBoxes.h"

namespace {
QPointer<QWidget> Panel;
QPointer<const BeastSession> Session;
}  // namespace

void PanelShare::Attach(QWidget* panel, const BeastSession* session)
{
    Panel = panel;
    Session = session;
}

QImage PanelShare::Picture()
{
    if (!Panel)
        return {};
    return Panel->grab().toImage();
}

bool PanelShare::Copy()
{
    const QImage image = Picture();
    if (image.isNull())
        return false;
    QApplication::clipboard()->setImage(image);
    return true;
}

bool PanelShare::Save(const QImage& image, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        *error = file.errorString().isEmpty() ? QStringLiteral("无法写入 PNG 图片") : file.errorString();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void PanelShare::SaveWithDialog(QWidget* parent)
{
    const QImage image = Picture();
    if (image.isNull())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString name =
        Session && Session->HasBeast() ? QString::fromStdString(Session->Beast().Name) : QString("召唤兽");
    const QString path =
        QFileDialog::getSaveFileName(parent, "保存图片", folder + "/" + name + ".png", "PNG 图片 (*.png)");
    if (path.isEmpty())
        return;
    QString error;
    if (!Save(image, path, &error))
        ShowInfoMessage(parent, "图片没有保存：" + path + "\n" + error);
}

QMenu* PanelShare::Menu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName("ShareMenu");
    menu->setAccessibleName("召唤兽图片");
    menu->addAction("复制图片", [] { Copy(); });
    menu->addAction("保存图片…", [parent] { SaveWithDialog(parent); });
    return menu;
}
