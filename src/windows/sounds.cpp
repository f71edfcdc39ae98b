#include "windows/sounds.h"

#include "windows/app.h"

namespace {

void play(App& app, const char* file) {
  if (app.vars.SoundOn != 1) return;
  app.services.sound->play(std::string("Data/Sound/") + file);
}

}  // namespace

void PlayCountSound(App& app) {
  play(app, "Count.wav");
}
void PlayBgm1Sound(App& app) {
  play(app, "BGM1.wav");
}
void PlayExpectSound(App& app) {
  play(app, "Expect.wav");
}
void PlayExpectEndSound(App& app) {
  play(app, "Expect_END.wav");
}
void PlayMenuSound(App& app) {
  play(app, "Menu.wav");
}
