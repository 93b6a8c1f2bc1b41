#include "ts2br/form_anals_2br.h"

#include "settings/ini_form.h"

namespace vx {

TFormAnals2BR::TFormAnals2BR(Ui& ui, TIniForm& ini, TSessionForm& session, TResultForm& result)
    : TForm("TFormAnals2BR", "Analysis 2BR"),
      Anals(ui, ini.Logic, ini.DefaultUnaryOps, ini.DefaultBinaryOps),
      ui_(ui),
      ini_(ini),
      session_(session),
      result_(result),
      seArray_(std::make_unique<T2BRSEArray>()) {}

TFormAnals2BR::~TFormAnals2BR() = default;

}  // namespace vx
