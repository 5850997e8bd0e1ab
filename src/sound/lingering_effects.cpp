#include "sound/lingering_effects.h"

#include <QSoundEffect>

void LingeringEffects::adopt(std::unique_ptr<QSoundEffect> effect) {
    if (!effect->isPlaying()) {
        return;
    }
    QSoundEffect* playing = effect.release();
    playing->setParent(&owner_);
    // Freed later, as the effect is inside its own signal here. With `owner_` as the context
    // this is never called while the owner deletes its children.
    QObject::connect(playing, &QSoundEffect::playingChanged, &owner_, [playing] {
        if (!playing->isPlaying()) {
            playing->deleteLater();
        }
    });
}

QList<QSoundEffect*> LingeringEffects::effects() const {
    return owner_.findChildren<QSoundEffect*>(Qt::FindDirectChildrenOnly);
}
