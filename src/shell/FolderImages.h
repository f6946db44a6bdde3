#pragma once

#include <QString>

class QLabel;

namespace spinledger {

// The pictures of the installation's images folder, shown at the density of
// the screen: a screen of more than one device pixel per pixel gets the
// picture drawn at twice the size ("name@2x.gif") when the folder has it,
// rather than the plain one enlarged.
namespace FolderImages {

// Plays images/<name>.gif of the folder on the label, frame by frame as the
// label's picture, while the label is shown; its first frame stands while
// it is hidden.
void show(QLabel* label, const QString& appFolder, const QString& name);

} // namespace FolderImages

} // namespace spinledger
