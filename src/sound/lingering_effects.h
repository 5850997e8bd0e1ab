#pragma once

#include <QList>
#include <QObject>
#include <memory>

class QSoundEffect;

// Effects whose device closed or went while they still played, so that a click sent just before
// its screen unloads is heard to its end. Each is freed once it stops; whatever still plays when
// this goes is cut.
class LingeringEffects {
  public:
    // Keeps the effect while it plays; one that has already stopped is freed at once.
    void adopt(std::unique_ptr<QSoundEffect> effect);

    // The effects still kept, for tests and diagnostics.
    QList<QSoundEffect*> effects() const;

  private:
    QObject owner_;  // the parent of every kept effect
};
