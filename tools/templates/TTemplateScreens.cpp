#include "TTemplateScreens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The window's own caption strip, in the scheme's highlight colour, so that the
// templates show their scheme at thumbnail size.
QLabel* CaptionStrip(const QString& title)
{
    auto* caption = new QLabel(title);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Highlight);
    caption->setForegroundRole(QPalette::HighlightedText);
    caption->setContentsMargins(10, 6, 10, 6);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    return caption;
}

// A top-level widget with the caption strip above the content layout.
std::unique_ptr<QWidget> Window(const QString& title, QLayout* content,
                                std::unique_ptr<QWidget> window = std::make_unique<QDialog>())
{
    auto* outer = new QVBoxLayout(window.get());
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(CaptionStrip(title));
    content->setContentsMargins(14, 12, 14, 12);
    outer->addLayout(content, 1);
    return window;
}

QDialogButtonBox* Buttons(QDialogButtonBox::StandardButtons buttons)
{
    auto* box = new QDialogButtonBox(buttons);
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
        ok->setDefault(true);
    return box;
}

QToolBar* ToolBar(const std::vector<std::pair<QStyle::StandardPixmap, QString>>& actions)
{
    auto* bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const auto& [icon, text] : actions)
        bar->addAction(bar->style()->standardIcon(icon), text);
    return bar;
}

std::unique_ptr<QWidget> SignIn()
{
    auto* form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Sign in to continue to your workspace.")));
    form->addRow(QStringLiteral("Server:"), new QLineEdit(QStringLiteral("studio.example.org")));
    form->addRow(QStringLiteral("User name:"), new QLineEdit(QStringLiteral("m.lindqvist")));
    auto* password = new QLineEdit(QStringLiteral("secret-words"));
    password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Password:"), password);
    auto* remember = new QCheckBox(QStringLiteral("Remember me on this computer"));
    remember->setChecked(true);
    form->addRow(remember);
    auto* content = new QVBoxLayout;
    content->addLayout(form);
    content->addStretch();
    content->addWidget(Buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    return Window(QStringLiteral("Sign In"), content);
}

QWidget* GeneralSettings()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* language = new QComboBox;
    language->addItems({QStringLiteral("English"), QStringLiteral("Deutsch")});
    form->addRow(QStringLiteral("Language:"), language);
    auto* autosave = new QSpinBox;
    autosave->setSuffix(QStringLiteral(" minutes"));
    autosave->setValue(10);
    form->addRow(QStringLiteral("Save every:"), autosave);
    auto* zoom = new QSlider(Qt::Horizontal);
    zoom->setValue(60);
    form->addRow(QStringLiteral("Zoom:"), zoom);
    auto* updates = new QCheckBox(QStringLiteral("Check for updates at start"));
    updates->setChecked(true);
    form->addRow(updates);
    form->addRow(new QCheckBox(QStringLiteral("Open the last project")));
    return page;
}

std::unique_ptr<QWidget> Preferences()
{
    auto* tabs = new QTabWidget;
    tabs->addTab(GeneralSettings(), QStringLiteral("General"));
    tabs->addTab(new QWidget, QStringLiteral("Appearance"));
    tabs->addTab(new QWidget, QStringLiteral("Shortcuts"));
    auto* content = new QVBoxLayout;
    content->addWidget(tabs);
    content->addWidget(
        Buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply));
    return Window(QStringLiteral("Preferences"), content);
}

QTreeWidget* FolderTree()
{
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    const QIcon folder = tree->style()->standardIcon(QStyle::SP_DirIcon);
    auto* home = new QTreeWidgetItem(tree, {QStringLiteral("Home")});
    home->setIcon(0, folder);
    for (const char* name : {"Documents", "Music", "Pictures", "Projects", "Videos"})
        new QTreeWidgetItem(home, {QString::fromLatin1(name)});
    home->setExpanded(true);
    tree->setCurrentItem(home->child(2));
    return tree;
}

QTreeWidget* FileDetails()
{
    auto* files = new QTreeWidget;
    files->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Type")});
    files->setRootIsDecorated(false);
    files->setAlternatingRowColors(true);
    const QIcon file = files->style()->standardIcon(QStyle::SP_FileIcon);
    const char* rows[][3] = {
        {"beach.jpg", "2.4 MB", "JPEG image"},     {"harbour.png", "880 KB", "PNG image"},
        {"icons.svg", "56 KB", "SVG drawing"},     {"logo.png", "12 KB", "PNG image"},
        {"mountains.jpg", "3.1 MB", "JPEG image"}, {"notes.txt", "2 KB", "Text"}};
    for (const auto& row : rows) {
        auto* item =
            new QTreeWidgetItem(files, {QString::fromLatin1(row[0]), QString::fromLatin1(row[1]),
                                        QString::fromLatin1(row[2])});
        item->setIcon(0, file);
    }
    files->setCurrentItem(files->topLevelItem(1));
    files->header()->resizeSection(0, 150);
    return files;
}

std::unique_ptr<QWidget> FileBrowser()
{
    auto* content = new QVBoxLayout;
    content->addWidget(ToolBar({{QStyle::SP_ArrowBack, QStringLiteral("Back")},
                                {QStyle::SP_ArrowUp, QStringLiteral("Up")},
                                {QStyle::SP_FileDialogNewFolder, QStringLiteral("New Folder")},
                                {QStyle::SP_TrashIcon, QStringLiteral("Delete")}}));
    auto* splitter = new QSplitter;
    splitter->addWidget(FolderTree());
    splitter->addWidget(FileDetails());
    splitter->setSizes({150, 400});
    content->addWidget(splitter, 1);
    content->addWidget(new QLabel(QStringLiteral("6 items, 1 selected (880 KB)")));
    return Window(QStringLiteral("Pictures - File Browser"), content, std::make_unique<QWidget>());
}

std::unique_ptr<QWidget> Editor()
{
    auto* content = new QVBoxLayout;
    content->addWidget(ToolBar({{QStyle::SP_FileIcon, QStringLiteral("New")},
                                {QStyle::SP_DialogOpenButton, QStringLiteral("Open")},
                                {QStyle::SP_DialogSaveButton, QStringLiteral("Save")},
                                {QStyle::SP_MediaPlay, QStringLiteral("Run")}}));
    auto* text = new QPlainTextEdit(
        QStringLiteral("#include <iostream>\n\nint main()\n{\n    // Greets the world once.\n"
                       "    std::cout << \"Hello, world\" << std::endl;\n    return 0;\n}\n"));
    content->addWidget(text, 1);
    content->addWidget(new QLabel(QStringLiteral("Line 5, Column 12    UTF-8    C++")));
    return Window(QStringLiteral("hello.cpp - Editor"), content, std::make_unique<QWidget>());
}

QGroupBox* SearchCriteria()
{
    auto* box = new QGroupBox(QStringLiteral("Find customers"));
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Name contains:"), new QLineEdit(QStringLiteral("Berg")));
    auto* region = new QComboBox;
    region->addItem(QStringLiteral("All regions"));
    form->addRow(QStringLiteral("Region:"), region);
    form->addRow(QStringLiteral("Customer since:"), new QDateEdit(QDate(2021, 3, 1)));
    auto* active = new QRadioButton(QStringLiteral("Active only"));
    active->setChecked(true);
    form->addRow(active);
    return box;
}

QTableWidget* SearchResults()
{
    const char* rows[][3] = {{"Anna Berg", "North", "2021"},
                             {"Berger & Sons", "West", "2022"},
                             {"Lena Bergström", "North", "2023"},
                             {"Tom Ginsberg", "South", "2024"}};
    auto* table = new QTableWidget(4, 3);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Customer"), QStringLiteral("Region"), QStringLiteral("Since")});
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column)
            table->setItem(row, column, new QTableWidgetItem(QString::fromUtf8(rows[row][column])));
    }
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 170);
    table->selectRow(1);
    return table;
}

std::unique_ptr<QWidget> CustomerSearch()
{
    auto* content = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(SearchCriteria());
    auto* find = new QPushButton(QStringLiteral("Find"));
    find->setDefault(true);
    left->addWidget(find);
    left->addStretch();
    content->addLayout(left);
    content->addWidget(SearchResults(), 1);
    return Window(QStringLiteral("Customer Search"), content);
}

std::unique_ptr<QWidget> Installer()
{
    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Installing the components you chose. This "
                                                 "may take a few minutes.")));
    auto* steps = new QListWidget;
    const QIcon done = steps->style()->standardIcon(QStyle::SP_DialogApplyButton);
    for (const char* step : {"Checking disk space", "Copying program files", "Creating shortcuts"})
        steps->addItem(new QListWidgetItem(done, QString::fromLatin1(step)));
    steps->addItem(QStringLiteral("Registering file types"));
    steps->setCurrentRow(3);
    content->addWidget(steps, 1);
    auto* progress = new QProgressBar;
    progress->setValue(68);
    content->addWidget(progress);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(QStringLiteral("< Back"), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Next >"), QDialogButtonBox::AcceptRole)->setEnabled(false);
    content->addWidget(buttons);
    return Window(QStringLiteral("Setup - Installing"), content);
}

std::unique_ptr<QWidget> Feedback()
{
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), new QLineEdit(QStringLiteral("Ines Duarte")));
    form->addRow(QStringLiteral("E-mail:"), new QLineEdit(QStringLiteral("ines@example.org")));
    auto* topic = new QComboBox;
    topic->addItem(QStringLiteral("Suggestion"));
    form->addRow(QStringLiteral("Topic:"), topic);
    form->addRow(QStringLiteral("Message:"),
                 new QTextEdit(QStringLiteral("The new toolbar is great. Could the icons be a "
                                              "little larger on big screens?")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(QStringLiteral("Send"), QDialogButtonBox::AcceptRole)->setDefault(true);
    form->addRow(buttons);
    return Window(QStringLiteral("Send Feedback"), form);
}

std::unique_ptr<QWidget> Mail()
{
    auto* messages = new QListWidget;
    for (const char* subject : {"Team lunch on Friday", "Release notes 2.4", "Your invoice",
                                "Design review", "Holiday photos"})
        messages->addItem(QString::fromLatin1(subject));
    messages->setCurrentRow(1);
    auto* preview = new QTextEdit;
    preview->setHtml(QStringLiteral(
        "<h3>Release notes 2.4</h3><p>Hello all,</p><p>the release is ready for testing. "
        "Please look at the new export dialog and the faster start.</p><p>Thanks, Sam</p>"));
    auto* splitter = new QSplitter;
    splitter->addWidget(messages);
    splitter->addWidget(preview);
    splitter->setSizes({190, 360});
    auto* content = new QVBoxLayout;
    content->addWidget(ToolBar({{QStyle::SP_FileDialogNewFolder, QStringLiteral("Compose")},
                                {QStyle::SP_BrowserReload, QStringLiteral("Refresh")},
                                {QStyle::SP_TrashIcon, QStringLiteral("Delete")}}));
    content->addWidget(splitter, 1);
    return Window(QStringLiteral("Inbox - Mail"), content, std::make_unique<QWidget>());
}

} // namespace

const std::vector<TTemplateScreens::TScreen>& TTemplateScreens::All()
{
    static const std::vector<TScreen> screens = {
        {QStringLiteral("sign-in"), SignIn},
        {QStringLiteral("preferences"), Preferences},
        {QStringLiteral("file-browser"), FileBrowser},
        {QStringLiteral("editor"), Editor},
        {QStringLiteral("customer-search"), CustomerSearch},
        {QStringLiteral("installer"), Installer},
        {QStringLiteral("feedback"), Feedback},
        {QStringLiteral("mail"), Mail},
    };
    return screens;
}
