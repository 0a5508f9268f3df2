#pragma once

class QAbstractButton;

// Option buttons and check boxes drawn as the classic controls were: an indicator about the height of
// the caption's letters and a narrow gap before the caption, so that captions measured for those
// controls fit their places whatever the desktop's style would give.
void styleClassique(QAbstractButton& bouton);
