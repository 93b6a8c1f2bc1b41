#pragma once

#include <string>
#include <vector>

#include "ts2br/form_ts_rels.h"
#include "ts2br/ts_settings_page.h"
#include "ui/form_view.h"

class QRadioButton;
class QTabWidget;

namespace vx::qt {

// The settings pages of the TS of one sentence, made at run time: one tab per page with its
// labels and its radio buttons. The pages are rebuilt whenever the model made new ones.
class TSSettingsTabs {
public:
    explicit TSSettingsTabs(const char* name);
    QTabWidget* widget() { return widget_; }
    void Push(std::vector<TTSSettingsPage>& pages, int& activePage);
    void Pull(const std::vector<TTSSettingsPage>& pages, int activePage);

private:
    void Rebuild(const std::vector<TTSSettingsPage>& pages);
    static std::vector<std::string> Signature(const std::vector<TTSSettingsPage>& pages);

    QTabWidget* widget_;
    std::vector<std::string> shown_;
    std::vector<std::vector<QRadioButton*>> buttons_;
};

// "TS Relations": the settings pages of a sentence's TS, the free-edit page and the example
// of relations between TS.
class TSRelsView : public FormView {
public:
    TSRelsView(GuiHost& host, TFormTSRels& form);

protected:
    void Push() override;
    void Pull() override;

private:
    QWidget* SetTSPage();
    QWidget* FreeEditPage();

    TFormTSRels& form_;
    TSSettingsTabs tabs_;
};

}  // namespace vx::qt
