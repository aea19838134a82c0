#include "ui/StableWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "data/builtin_data.h"
#include "ui/model/BeastChange.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/store/BeastFilterProxy.h"
#include "ui/store/BeastJson.h"
#include "ui/store/BeastListModel.h"
#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/BesideMain.h"
#include "ui/widgets/ComparePane.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/NameNoteDialog.h"
#include "ui/widgets/ReturnActivates.h"
#include "ui/widgets/ReturnPressesButton.h"

namespace {
constexpr int RowHeight = 36;
constexpr int HistoryTab = 0;

QPixmap TemplatePicture(const QString& templateName)
{
    const int index = FindLine(CatalogueLines(), templateName.toStdString());
    if (index < 0)
        return {};
    const QPixmap full = ArtPixmap::Load(QString(":/art/beast_%1.jpg").arg(index, 2, 10, QChar('0')));
    const qreal ratio = full.devicePixelRatio();
    QPixmap small = full.scaledToHeight(qRound((RowHeight - 4) * ratio), Qt::SmoothTransformation);
    small.setDevicePixelRatio(ratio);
    return small;
}

}  // namespace

StableWindow::StableWindow(BeastSession& session, QWidget* mainWindow)
    : ToolWindow("StableWindow", "历史与收藏", mainWindow), session_(session)
{
    setFont(SongTiFont(13));
    new QVBoxLayout(this);
    createLists();
    createButtons();
    if (BeastStore* store = session_.Store()) {
        connect(store, &BeastStore::HistoryChanged, this, [this] { stale_ = true; });
        connect(store, &BeastStore::StableChanged, this, [this] {
            stale_ = true;
            Refresh();
        });
    }
}

void StableWindow::createLists()
{
    auto* splitter = new QSplitter(this);
    Tabs = new QTabWidget(splitter);
    Tabs->setObjectName("Tabs");
    history_ = new BeastListModel(BeastStore::Table::History, &TemplatePicture, this);
    stable_ = new BeastListModel(BeastStore::Table::Stable, &TemplatePicture, this);
    auto* historyProxy = new BeastFilterProxy(this);
    historyProxy->setSourceModel(history_);
    HistoryView = makeView("HistoryView", "历史：见过的每一只召唤兽");
    HistoryView->setModel(historyProxy);
    Tabs->addTab(HistoryView, "历史");

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    createFilters(page);
    stableProxy_ = new BeastFilterProxy(this);
    stableProxy_->setSourceModel(stable_);
    StableView = makeView("StableView", "收藏的召唤兽");
    StableView->setModel(stableProxy_);
    layout->addWidget(StableView);
    Tabs->addTab(page, "收藏");
    for (QTableView* view : {HistoryView, StableView}) {
        view->setSortingEnabled(true);
        view->sortByColumn(BeastListModel::Changed, Qt::DescendingOrder);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        view->horizontalHeader()->setStretchLastSection(true);
        for (auto [column, width] : {std::pair{0, RowHeight + 8}, {1, 90}, {2, 80}, {3, 48}, {4, 52}, {5, 44}, {6, 90}})
            view->setColumnWidth(column, width);
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &StableWindow::updateButtons);
    }
    connect(Tabs, &QTabWidget::currentChanged, this, &StableWindow::updateButtons);

    Compare = new ComparePane(splitter);
    Compare->setObjectName("ComparePane");
    splitter->addWidget(Compare);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    this->layout()->addWidget(splitter);
}

QTableView* StableWindow::makeView(const QString& name, const QString& caption)
{
    auto* view = new QTableView;
    view->setObjectName(name);
    view->setAccessibleName(caption);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setIconSize(QSize(RowHeight, RowHeight - 4));
    // Fixed heights: the view never measures rows it does not show.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(RowHeight);
    view->verticalHeader()->hide();
    connect(view, &QTableView::doubleClicked, this, &StableWindow::RecallSelected);
    new ReturnActivates(view, [this] { RecallSelected(); });
    return view;
}

void StableWindow::createFilters(QWidget* page)
{
    auto* row = new QGridLayout;  // two by two: narrow enough beside the main window
    TemplateFilter = new QComboBox(page);
    TemplateFilter->setObjectName("TemplateFilter");
    TemplateFilter->setAccessibleName("按种类筛选");
    TemplateFilter->addItem("全部种类", QString());
    for (const std::string& line : CatalogueLines()) {
        const QString name = QString::fromStdString(std::string(LineKey(line)));
        TemplateFilter->addItem(name, name);
    }
    GradeFilter = new QComboBox(page);
    GradeFilter->setObjectName("GradeFilter");
    GradeFilter->setAccessibleName("按评级筛选");
    GradeFilter->addItem("全部评级", QString());
    for (const char* grade : {"极品", "优秀", "普通", "不评级"})
        GradeFilter->addItem(grade, QString(grade));
    SkillFilter = new QLineEdit(page);
    SkillFilter->setObjectName("SkillFilter");
    SkillFilter->setAccessibleName("含技能");
    SkillFilter->setPlaceholderText("含技能，如 必杀");
    SkillFilter->setClearButtonEnabled(true);
    SkillCountFilter = new QSpinBox(page);
    SkillCountFilter->setObjectName("SkillCountFilter");
    SkillCountFilter->setAccessibleName("技能数至少");
    SkillCountFilter->setRange(0, 12);
    SkillCountFilter->setPrefix("技能数至少 ");
    QWidget* const controls[] = {TemplateFilter, GradeFilter, SkillFilter, SkillCountFilter};
    for (int k = 0; k < 4; ++k)
        row->addWidget(controls[k], k / 2, k % 2);
    connect(TemplateFilter, &QComboBox::currentIndexChanged, this, &StableWindow::applyFilter);
    connect(GradeFilter, &QComboBox::currentIndexChanged, this, &StableWindow::applyFilter);
    connect(SkillFilter, &QLineEdit::textChanged, this, &StableWindow::applyFilter);
    connect(SkillCountFilter, &QSpinBox::valueChanged, this, &StableWindow::applyFilter);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
}

QPushButton* StableWindow::makeButton(const QString& name, const QString& text, const QString& tip,
                                      void (StableWindow::*slot)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAccessibleName(QString(text).remove("…"));
    button->setToolTip(tip);
    button->setAccessibleDescription(tip);
    new ReturnPressesButton(button);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void StableWindow::createButtons()
{
    struct Entry {
        const char* name;
        const char* text;
        const char* tip;
        void (StableWindow::*slot)();
    };
    static const Entry entries[] = {
        {"RecallButton", "取回", "让选中的这只成为当前召唤兽（可撤销）", &StableWindow::RecallSelected},
        {"KeepButton", "收藏当前…", "把当前召唤兽收进仓库，可起名、写备注", &StableWindow::KeepCurrent},
        {"PinButton", "钉住对比", "把选中的这只钉在右边，和当前召唤兽逐项对比", &StableWindow::PinSelected},
        {"CopyCodeButton", "复制代码", "把当前召唤兽写成一段代码，复制到剪贴板，可贴到聊天里", &StableWindow::CopyCode},
        {"PasteCodeButton", "粘贴代码", "把剪贴板里的召唤兽代码变成当前召唤兽（可撤销）", &StableWindow::PasteCode},
        {"ContinueButton", "继续上次", "取回上次关闭程序前的最后一只召唤兽", &StableWindow::ContinueLast},
        {"RenameButton", "改名…", "给选中的收藏改名字或备注", &StableWindow::RenameSelected},
        {"DeleteButton", "删除", "从仓库删除选中的收藏（可撤销）", &StableWindow::DeleteSelected},
    };
    // Two rows of four, so that the window fits beside the main window on
    // a small screen.
    auto* grid = new QGridLayout;
    for (int k = 0; k < static_cast<int>(std::size(entries)); ++k) {
        const Entry& entry = entries[k];
        grid->addWidget(makeButton(entry.name, entry.text, entry.tip, entry.slot), k / 4, k % 4);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
    updateButtons();
}

void StableWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        PlaceOnScreen();
    }
    Refresh();
    ToolWindow::showEvent(event);
}

void StableWindow::PlaceOnScreen()
{
    const QRect place = BesideMain(parentWidget(), {900, 520}, 600, true);
    resize(place.size());
    move(place.topLeft());
}

void StableWindow::Refresh()
{
    if (!stale_ || !isVisible())
        return;
    stale_ = false;
    reload();
}

void StableWindow::reload()
{
    const auto [table, id] = selected();
    const BeastStore* store = session_.Store();
    history_->Load(store, store ? session_.CurrentEntry() : 0);
    stable_->Load(store);
    // Keep the selection on the same beast across the reload.
    QTableView* view = table == HistoryTab ? HistoryView : StableView;
    const BeastListModel* model = table == HistoryTab ? history_ : stable_;
    const int row = id ? model->RowOf(id) : -1;
    if (row >= 0) {
        const auto* proxy = static_cast<const QSortFilterProxyModel*>(view->model());
        view->setCurrentIndex(proxy->mapFromSource(model->index(row, BeastListModel::Name)));
    }
    refreshCompare();
    updateButtons();
}

void StableWindow::ShowChange(const BeastChange& change)
{
    if (change.kind != BeastChange::Kind::Stable && change.kind != BeastChange::Kind::NoBook)
        stale_ = true;
    Refresh();
    if (isVisible())
        refreshCompare();
}

void StableWindow::refreshCompare()
{
    if (session_.HasBeast())
        Compare->Show(pinned_, pinnedCaption_, session_.Beast());
}

std::pair<int, qint64> StableWindow::selected() const
{
    const int tab = Tabs->currentIndex();
    const QTableView* view = tab == HistoryTab ? HistoryView : StableView;
    const BeastListModel* model = tab == HistoryTab ? history_ : stable_;
    const QModelIndex index = view->currentIndex();
    if (!index.isValid() || !view->selectionModel()->isSelected(index))
        return {tab, 0};
    const auto* proxy = static_cast<const QSortFilterProxyModel*>(view->model());
    return {tab, model->RowAt(proxy->mapToSource(index).row()).id};
}

void StableWindow::updateButtons()
{
    const auto [tab, id] = selected();
    const bool store = session_.Store() != nullptr;
    for (const char* name : {"RecallButton", "PinButton"})
        findChild<QPushButton*>(name)->setEnabled(id != 0);
    for (const char* name : {"RenameButton", "DeleteButton"})
        findChild<QPushButton*>(name)->setEnabled(id != 0 && tab != HistoryTab);
    for (const char* name : {"KeepButton", "ContinueButton"})
        findChild<QPushButton*>(name)->setEnabled(store);
}

void StableWindow::applyFilter()
{
    StableFilter filter;
    filter.templateName = TemplateFilter->currentData().toString().toStdString();
    filter.grade = GradeFilter->currentData().toString().toStdString();
    filter.skill = SkillFilter->text().trimmed().toStdString();
    filter.minSkills = SkillCountFilter->value();
    stableProxy_->SetFilter(filter);
    StableView->setAccessibleDescription(QStringLiteral("显示 %1 只，共 %2 只")
                                             .arg(stableProxy_->rowCount())
                                             .arg(stable_->rowCount()));
}

void StableWindow::KeepCurrent()
{
    QString name = session_.DefaultKeepName();
    QString note;
    if (AskNameAndNote(this, "收藏当前召唤兽", name, note))
        session_.Keep(name, note);
}

void StableWindow::CopyCode()
{
    std::string problem;
    const std::string code = session_.CopyCode(problem);
    if (code.empty()) {
        session_.Tell("不能复制代码：" + problem);
        return;
    }
    QApplication::clipboard()->setText(QString::fromStdString(code));
    session_.Tell("已复制代码到剪贴板：" + code);
}

void StableWindow::PasteCode()
{
    const std::string error = session_.PasteCode(QApplication::clipboard()->text().toStdString());
    if (!error.empty()) {
        session_.Tell("粘贴代码没有成功：" + error);
        ShowInfoMessage(this, "粘贴代码没有成功：" + QString::fromStdString(error) + "\n当前召唤兽没有改变。");
    }
}

void StableWindow::ContinueLast()
{
    if (!session_.ContinueLast())
        session_.Tell("没有上次的召唤兽可以继续");
}

void StableWindow::RecallSelected()
{
    const auto [tab, id] = selected();
    if (id)
        session_.Recall(tab == HistoryTab ? BeastStore::Table::History : BeastStore::Table::Stable, id);
}

void StableWindow::PinSelected()
{
    const auto [tab, id] = selected();
    const BeastStore* store = session_.Store();
    if (!id || !store || !session_.HasBeast())
        return;
    const auto row = store->Find(tab == HistoryTab ? BeastStore::Table::History : BeastStore::Table::Stable, id);
    if (!row)
        return;
    pinned_ = BeastJson::Read(row->beast, session_.Beast().Catalogue);
    pinnedCaption_ = tab == HistoryTab ? row->templateName + " " + row->grade : "“" + row->name + "”";
    refreshCompare();
    session_.Tell("已钉住 " + pinnedCaption_.toStdString() + "，和当前召唤兽对比");
}

void StableWindow::RenameSelected()
{
    const auto [tab, id] = selected();
    const BeastStore* store = session_.Store();
    if (!id || tab == HistoryTab || !store)
        return;
    const auto row = store->Find(BeastStore::Table::Stable, id);
    QString name = row ? row->name : QString();
    QString note = row ? row->note : QString();
    if (row && AskNameAndNote(this, "收藏改名", name, note))
        session_.RenameKept(id, name, note);
}

void StableWindow::DeleteSelected()
{
    const auto [tab, id] = selected();
    if (id && tab != HistoryTab)
        session_.RemoveKept(id);
}
