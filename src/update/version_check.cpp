#include "update/version_check.h"

#include "text/codepage.h"
#include "update/text_between.h"

const Text& ProgramVersion() {
  static const Text version = "V20191028";
  return version;
}

Text PublishedVersion(const std::string& versionFile) {
  static const Text start = FromUtf8("版本【");
  static const Text end = FromUtf8("】");
  const Text text = versionFile.substr(0, TextLength(versionFile));
  return TextBetween(text, start, end);
}

void PublishedVersionCheck(WindowControls& window, const HttpsFetchOptions& versionFile, MessageBox& messageBox) {
  if (PublishedVersion(HttpsFetch(versionFile)) == ProgramVersion()) return;
  messageBox.Show(FromUtf8("联系楼主"), FromUtf8("信息："));
  window.Destroy();
}
