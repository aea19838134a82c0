#include "ui/CreditsWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/IconCredits.h"
#include "ui/widgets/CentredOver.h"
#include "ui/widgets/FirstLinkOnTab.h"

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each licence the table uses, once, in the order first met.
std::vector<std::pair<QString, QString>> LicencesUsed()
{
    std::vector<std::pair<QString, QString>> licences;
    for (const IconCredit& credit : IconCredits()) {
        std::pair<QString, QString> entry{FromView(credit.licence), FromView(credit.licenceUrl)};
        if (std::find(licences.begin(), licences.end(), entry) == licences.end())
            licences.push_back(std::move(entry));
    }
    return licences;
}

}  // namespace

TCreditsWindow::TCreditsWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CreditsWindow"));
    setWindowTitle(QStringLiteral("图标作者与许可"));
    setAccessibleName(windowTitle());
    new QVBoxLayout(this);
    createIntro();
    createIconList();
    createCloseButton();
    resize(560, 420);
}

void TCreditsWindow::createIntro()
{
    QString html = QStringLiteral("<p>技能图标、召唤兽图片、面板装饰与程序图标均改绘（重新着色、描边、缩放与组合）自 "
                                  "<a href=\"https://game-icons.net\">game&#8209;icons.net</a> 的图标。"
                                  "图标作者并不为本程序或其用法背书。下表列出用到的每个图标及其作者与许可：</p>");
    for (const auto& [name, url] : LicencesUsed())
        html += QStringLiteral("<p>%1：<a href=\"%2\">%2</a></p>").arg(name.toHtmlEscaped(), url.toHtmlEscaped());
    Intro = new QLabel(html, this);
    Intro->setObjectName(QStringLiteral("Intro"));
    Intro->setTextFormat(Qt::RichText);
    Intro->setWordWrap(true);
    Intro->setOpenExternalLinks(true);
    Intro->setTextInteractionFlags(Qt::TextBrowserInteraction);
    new FirstLinkOnTab(Intro);
    Intro->setAccessibleName(QStringLiteral("图标来源与许可"));
    Intro->setAccessibleDescription(QTextDocumentFragment::fromHtml(html).toPlainText());
    layout()->addWidget(Intro);
}

void TCreditsWindow::createIconList()
{
    IconList = new QTreeWidget(this);
    IconList->setObjectName(QStringLiteral("IconList"));
    IconList->setAccessibleName(QStringLiteral("图标与作者列表"));
    IconList->setRootIsDecorated(false);
    IconList->setUniformRowHeights(true);
    IconList->setHeaderLabels(
        {QStringLiteral("图标"), QStringLiteral("作者"), QStringLiteral("用于"), QStringLiteral("许可")});
    for (const IconCredit& credit : IconCredits()) {
        const QString pictures =
            credit.pictures.empty() ? QStringLiteral("面板装饰或程序图标") : FromView(credit.pictures);
        auto* item = new QTreeWidgetItem(
            IconList, {FromView(credit.icon), FromView(credit.author), pictures, FromView(credit.licence)});
        item->setToolTip(2, pictures);
        item->setToolTip(3, FromView(credit.licenceUrl));
    }
    // Icon, author and licence in full; the pictures an icon went into take
    // what is left, elided, with the whole list in the tooltip.
    IconList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    IconList->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    IconList->header()->setStretchLastSection(false);
    IconList->setCurrentItem(IconList->topLevelItem(0));
    layout()->addWidget(IconList);
}

void TCreditsWindow::createCloseButton()
{
    auto* buttons = new QDialogButtonBox(this);
    CloseButton = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

void TCreditsWindow::showEvent(QShowEvent* event)
{
    if (const QWidget* owner = parentWidget())
        setGeometry(CentredOver(owner->window(), this));
    IconList->setFocus();
    QDialog::showEvent(event);
}
