#include "tools/card/card_file_check.h"

#include "card/csv_reader.h"
#include "platform/platform.h"
#include "tools/card/card_lint.h"
#include "tools/common/messages.h"
#include "tools/platform/host_files.h"

bool checkCardFile(const std::string& path, std::string_view fileName, bool withNotes,
                   std::string& bytes, std::vector<LintRemark>& remarks) {
  remarks.clear();
  if (platform::isFolder(path)) {
    remarks.push_back(makeRemark(0, 0, RemarkCode::kCardIsFolder, message(Msg::kNoCardLoads),
                                 message(Msg::kFolderNotCardFileExpected)));
    return false;
  }
  switch (CCsvread::readCardBytes(path, bytes)) {
    case platform::FileRead::kRead:
      remarks = lintCard(bytes, fileName, withNotes);
      return true;
    case platform::FileRead::kTooLarge: {
      const std::string limit = std::to_string(kCardFileLimit);
      LintRemark r = makeRemark(0, 0, RemarkCode::kCardTooLarge, message(Msg::kCardStaysInForce),
                                message(Msg::kCardUpTo, {limit}));
      r.args = {limit};
      remarks.push_back(std::move(r));
      return false;
    }
    case platform::FileRead::kNotOpened:
    case platform::FileRead::kFailed:
      break;
  }
  remarks.push_back(makeRemark(0, 0, RemarkCode::kCardUnreadable, message(Msg::kNoCardLoads),
                               message(Msg::kReadableCardFile)));
  return false;
}
