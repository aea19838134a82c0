#include "ui/PanelShare.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/pet.h"
#include "ui/model/ShareCard.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/skin/SkinColours.h"
#include "ui/widgets/MessageBoxes.h"

namespace {
QPointer<QWidget> Panel;
QPointer<const BeastSession> Session;
QList<QPointer<QAction>> More;
}  // namespace

void PanelShare::Attach(QWidget* panel, const BeastSession* session, const QList<QAction*>& more)
{
    Panel = panel;
    Session = session;
    More.clear();
    for (QAction* action : more)
        More.append(action);
}

QImage PanelShare::Picture()
{
    if (!Panel)
        return {};
    const QImage panel = Panel->grab().toImage();
    if (!Session || !Session->HasBeast())
        return panel;
    QStringList lines;
    for (const std::string& line : ShareCard::Lines(Session->Beast(), Session->Grade()))
        lines << QString::fromStdString(line);
    return Card(panel, lines.join('\n'));
}

QImage PanelShare::Card(const QImage& panel, const QString& text)
{
    constexpr int Margin = 8;
    const qreal ratio = panel.devicePixelRatio();
    const QSize size = (QSizeF(panel.size()) / ratio).toSize();
    const QFont font = SongTiFont(12);
    const QRect textArea(Margin, size.height() + Margin / 2, size.width() - 2 * Margin, 0);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRect used = QFontMetrics(font).boundingRect(textArea.adjusted(0, 0, 0, 10000), flags, text);
    QImage card((QSizeF(size.width(), used.bottom() + 1 + Margin) * ratio).toSize(), QImage::Format_RGB32);
    card.setDevicePixelRatio(ratio);
    card.fill(QColor(SkinColours::Parchment));
    QPainter painter(&card);
    painter.drawImage(QPoint(0, 0), panel);
    painter.setFont(font);
    painter.setPen(QColor(SkinColours::Ink));
    painter.drawText(used, flags, text);
    return card;
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
    if (!More.isEmpty())
        menu->addSeparator();
    for (const QPointer<QAction>& action : More)
        if (action)
            menu->addAction(action);
    return menu;
}
