#include "ui/views/about_view.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

AboutView::AboutView(GuiHost& host, TIniForm& ini) : FormView(host, ini, NewWindow()) {
    auto* layout = new QVBoxLayout(window());
    auto* title = new QLabel(QStringLiteral("vx"));
    title->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    auto* version = new QLabel;
    version->setObjectName(QStringLiteral("VersionLabel"));
    auto* build = new QLabel;
    build->setObjectName(QStringLiteral("BuildLabel"));
    auto* ok = new QPushButton;
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    for (QWidget* w : {static_cast<QWidget*>(title), static_cast<QWidget*>(version),
                       static_cast<QWidget*>(build)}) {
        w->setProperty("alignment", static_cast<int>(Qt::AlignCenter));
        layout->addWidget(w);
    }
    layout->addWidget(ok, 0, Qt::AlignCenter);
    Bind<LabelBinding>(version, ini.VersionLabel);
    Bind<LabelBinding>(build, ini.BuildLabel);
    Bind<ButtonBinding>(ok, ini.OKButton, runner(), [&ini] { ini.OKButtonClick(); });
    window()->resize(300, 180);
}

}  // namespace vx::qt
