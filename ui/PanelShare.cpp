#include "ui/PanelShare.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "engine/pet.h"
#include "ui/model/PictureFile.h"
#include "ui/model/RollGrade.h"
#include "ui/model/ShareCard.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/skin/SkinColours.h"
#include "ui/widgets/MessageBoxes.h"

namespace {
QPointer<QWidget> Panel;
QPointer<const BeastSession> Session;
QList<QPointer<QAction>> More;
std::function<void(const QString&)> Report;
QString LastFolder;  // where the last picture went
const QString FolderKey = QStringLiteral("pictures/folder");

void Say(const QString& text)
{
    if (Report)
        Report(text);
}

// The file dialog keeps its state in the user's QtProject.conf when it
// closes; pointed at a folder of its own, it leaves nothing behind.
QString AskForFile(QWidget* parent, const QString& suggested)
{
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QString chosen;
    {
        QFileDialog dialog(parent, "保存图片", suggested, "PNG 图片 (*.png)");
        dialog.setObjectName("SaveDialog");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix("png");
        dialog.setViewMode(QFileDialog::Detail);
        dialog.resize(760, 460);
        // The names take the width; the other columns fit their contents.
        if (auto* view = dialog.findChild<QTreeView*>("treeView")) {
            view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
            view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        }
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return chosen;
}
}  // namespace

void PanelShare::Attach(QWidget* panel, const BeastSession* session, const QList<QAction*>& more,
                        std::function<void(const QString&)> report)
{
    Panel = panel;
    Session = session;
    Report = std::move(report);
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
    Say("已复制图片（召唤兽、鉴定和技能）");
    return true;
}

bool PanelShare::Save(const QImage& image, const QString& path, QString* error)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        *error = QStringLiteral("无法生成 PNG 图片");
        return false;
    }
    QSaveFile file(path);
    // The system's words are read before the write is abandoned, which
    // would replace them with its own.
    const auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        // A folder that is not there has no room to speak of: only a real
        // one can be full.
        const QStorageInfo storage(QFileInfo(path).absolutePath());
        const uint64_t available = storage.isValid() && storage.isReady()
            ? static_cast<uint64_t>(std::max<qint64>(0, storage.bytesAvailable()))
            : UINT64_MAX;
        *error = QString::fromStdString(
            PictureFile::Failure(static_cast<uint64_t>(png.size()), available, reason.toStdString()));
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(png) != png.size())
        return fail();
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
    // The folder of the last saved picture, kept in the store across runs.
    BeastStore* store = Session ? Session->Store() : nullptr;
    if (LastFolder.isEmpty() && store)
        LastFolder = store->Setting(FolderKey);
    const QString folder =
        LastFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) : LastFolder;
    const bool known = Session && Session->HasBeast();
    const std::string name = PictureFile::DefaultName(
        known ? Session->Beast().Name : "召唤兽", known ? RollGrade::MarkText(Session->Grade()) : "不评级",
        QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString());
    const QString chosen = AskForFile(parent, folder + "/" + QString::fromStdString(name));
    if (chosen.isEmpty())
        return;
    const QString path = QString::fromStdString(PictureFile::WithPngSuffix(chosen.toStdString()));
    LastFolder = QFileInfo(path).absolutePath();
    if (store)
        store->SetSetting(FolderKey, LastFolder);
    QString error;
    if (!Save(image, path, &error)) {
        Say("图片没有保存：" + error);
        ShowInfoMessage(parent, "图片没有保存：" + path + "\n" + error);
        return;
    }
    Say("图片已保存：" + QDir::toNativeSeparators(path));
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
