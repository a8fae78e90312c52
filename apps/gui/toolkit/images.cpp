#include "toolkit/images.h"

#include <QApplication>
#include <QStyle>

namespace vex::gui {

QIcon imageIcon(int imageId) {
  static const std::pair<int, QStyle::StandardPixmap> kPictures[] = {
      {kImageFirst, QStyle::SP_MediaSkipBackward},   {kImagePrevious, QStyle::SP_MediaSeekBackward},
      {kImageNext, QStyle::SP_MediaSeekForward},     {kImageLast, QStyle::SP_MediaSkipForward},
      {kImageAdd, QStyle::SP_FileDialogNewFolder},   {kImageDelete, QStyle::SP_TrashIcon},
      {kImageList, QStyle::SP_FileDialogListView},   {kImageTreeItem, QStyle::SP_FileIcon},
      {kImageTreeItemMarked, QStyle::SP_ArrowRight}, {kImageCopyReceiveToTransmit, QStyle::SP_ArrowRight},
      {kImagePlaying, QStyle::SP_MediaPlay},         {kImageNotPlaying, QStyle::SP_MediaStop},
  };
  for (const auto& [id, picture] : kPictures)
    if (id == imageId) return QApplication::style()->standardIcon(picture);
  return {};
}

}  // namespace vex::gui
