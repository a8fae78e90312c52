#pragma once
// The pictures of image buttons and bars, by their historic image ids.
#include <QIcon>

namespace vex::gui {

enum ImageId : int {
  kImageFirst = 140,  // navigation bar: first ... delete, list
  kImagePrevious = 141,
  kImageNext = 142,
  kImageLast = 143,
  kImageAdd = 144,
  kImageDelete = 145,
  kImageList = 146,
  kImageTreeItem = 148,
  kImageTreeItemMarked = 149,
  kImageCopyReceiveToTransmit = 3683,
  kImagePlaying = 5000,
  kImageNotPlaying = 5001,
};

// The icon of an image id; an empty icon for an id without a picture.
QIcon imageIcon(int imageId);

}  // namespace vex::gui
