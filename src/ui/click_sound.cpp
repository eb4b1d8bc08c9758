// The click sound of the controls.
#include "ui/click_sound.hpp"

namespace gm {

void PlayClickSound(UiContext& ctx) {
  if (ctx.w.SoundOn == 1) ctx.flow.sound.PlaySound("click");
}

}  // namespace gm
