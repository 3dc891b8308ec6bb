#include "components/skin/Skin.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStyle>

#include <memory>
#include <set>

namespace skin {
namespace {

constexpr const char* kRemovedProperty = "skinRemoved";

void Repolish(QWidget* window) {
    auto again = [](QWidget* w) {
        w->style()->unpolish(w);
        w->style()->polish(w);
        w->update();
    };
    again(window);
    for (QWidget* child : window->findChildren<QWidget*>())
        again(child);
}

// Gives every dialog the dialog skin when it shows, unless the dialog took
// its skin off.
class DialogSkinner : public QObject {
  public:
    explicit DialogSkinner(QString name) : name_(std::move(name)) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(object);
            if (dialog && dialog->isWindow() && !dialog->property(kRemovedProperty).toBool() &&
                dialog->property(kSkinProperty).toString() != name_) {
                dialog->setProperty(kSkinProperty, name_);
                Repolish(dialog);
            }
        }
        return false;
    }
    const QString& Name() const { return name_; }

  private:
    QString name_;
};

struct State {
    bool initialized = false;
    std::string applicationName;
    QString sheet;
    std::set<std::string> objects;
    std::unique_ptr<DialogSkinner> skinner;
};

State& TheState() {
    static State state;
    return state;
}

// Relative url(...) references point into the skin file's folder.
QString ResolveUrls(const QString& sheet, const QDir& folder) {
    static const QRegularExpression url(R"re(url\(\s*(["']?)([^"')]+)\1\s*\))re");
    QString out;
    qsizetype last = 0;
    for (auto it = url.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString target = m.captured(2).trimmed();
        if (!QDir::isAbsolutePath(target) && !target.startsWith(':'))
            target = folder.absoluteFilePath(target);
        out += sheet.mid(last, m.capturedStart() - last);
        out += "url(\"" + target + "\")";
        last = m.capturedEnd();
    }
    return out + sheet.mid(last);
}

}  // namespace

bool Initialize(const std::string& applicationName, const std::string&, const std::string&) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    State& state = TheState();
    state.initialized = true;
    state.applicationName = applicationName;
    return true;
}

bool LoadSkinFile(const std::string& path) {
    State& state = TheState();
    if (!state.initialized)
        return false;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression object(R"re(\[\s*skin\s*=\s*"([^"]+)"\s*\])re");
    std::set<std::string> objects;
    for (auto it = object.globalMatch(text); it.hasNext();)
        objects.insert(it.next().captured(1).toStdString());
    if (objects.empty())
        return false;
    state.sheet = ResolveUrls(text, QFileInfo(file).absoluteDir());
    state.objects = std::move(objects);
    return true;
}

bool SetDialogSkin(const std::string& skinObjectName) {
    State& state = TheState();
    if (!state.initialized || !state.objects.count(skinObjectName))
        return false;
    if (state.skinner)
        qApp->removeEventFilter(state.skinner.get());
    state.skinner = std::make_unique<DialogSkinner>(QString::fromStdString(skinObjectName));
    qApp->installEventFilter(state.skinner.get());
    qApp->setStyleSheet(state.sheet);
    QEvent shown(QEvent::Show);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            state.skinner->eventFilter(window, &shown);
    return true;
}

void RemoveWindowSkin(QWidget* window) {
    if (!window)
        return;
    window->setProperty(kRemovedProperty, true);
    window->setProperty(kSkinProperty, QVariant());
    Repolish(window);
}

void ApplyShape(QWidget* window, const char* shape) {
    if (!window || !shape)
        return;
    window->setProperty(kShapeProperty, QString::fromUtf8(shape));
    Repolish(window);
}

bool Loaded() {
    return TheState().skinner != nullptr;
}

bool HasSkinObject(const std::string& name) {
    return TheState().objects.count(name) != 0;
}

void Shutdown() {
    State& state = TheState();
    if (state.skinner) {
        qApp->removeEventFilter(state.skinner.get());
        qApp->setStyleSheet(QString());
    }
    state = State();
}

}  // namespace skin
