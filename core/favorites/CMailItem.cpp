#include "core/favorites/CMailItem.h"

#include <string_view>
#include <vector>

#include "core/hostlink/CHostLink.h"
#include "core/hostlink/HostFolders.h"
#include "core/mail/MailHeaders.h"
#include "port/Mbcs.h"

std::uint32_t TitleLength = 0;

namespace {

constexpr int HostBufferSize = 1024;

// Titles shorter than this are never shortened: from here on there is room for both cuts.
constexpr std::uint64_t ShortestShortenedTitle = 18;

// The first `length` bytes (fewer rather than half a character) followed by "...".
std::string Shortened(std::string_view text, std::uint64_t length) {
  std::string shortened(text.substr(0, port::CutLength(text, static_cast<std::size_t>(length))));
  shortened += "...";
  return shortened;
}

}  // namespace

std::string CMailItem::GetDisplayName() const { return DisplayName.empty() ? BuildTitle() : DisplayName; }

bool CMailItem::IsValid() const { return !MailId.empty() && !FolderId.empty(); }

std::unique_ptr<CFavoriteItem> CMailItem::Clone() const { return std::make_unique<CMailItem>(*this); }

bool CMailItem::IsSameAs(const CMailItem& other) const {
  return MailId == other.MailId && FolderId == other.FolderId && Subject == other.Subject && From == other.From &&
         Date == other.Date && MessageId == other.MessageId;
}

std::string CMailItem::BuildTitle() const {
  // Every favorites menu builds the titles of its mails anew: the subject is copied only once.
  std::string_view subject = Subject;
  std::string shortenedSubject;
  std::string sender = GetSenderText();
  const std::uint64_t limit = TitleLength;
  const std::uint64_t quarter = limit / 4;
  if (limit >= ShortestShortenedTitle && subject.size() + sender.size() + 3 > limit) {
    std::uint64_t senderBudget = quarter;
    if (limit > subject.size() + 3 && limit - subject.size() - 3 >= quarter) senderBudget = limit - subject.size() - 3;
    if (sender.size() > senderBudget) sender = Shortened(sender, senderBudget - 3);
    if (subject.size() + sender.size() + 3 > limit) {
      shortenedSubject = Shortened(subject, limit - sender.size() - 6);
      subject = shortenedSubject;
    }
  }
  std::string title;
  title.reserve(subject.size() + sender.size() + 3);
  title.append(subject).append(" (").append(sender).append(")");
  return title;
}

std::string CMailItem::GetSenderText() const {
  std::string list = From;  // NextAddress cuts it in place
  std::string joined;
  char name[HostBufferSize];
  char address[HostBufferSize];
  for (char* next = NextAddress(&list[0]); next != nullptr; next = NextAddress(nullptr)) {
    SplitAddress(name, sizeof name, address, sizeof address, next);
    if (!joined.empty()) joined += ", ";
    joined += name[0] != '\0' ? name : address;
  }
  if (joined.empty()) return From;
  return joined;
}

std::string CMailItem::GetFolderDisplayName() const { return GetHostFolderDisplayName(FolderId); }

int CMailItem::GetStatus() const { return Host().GetStatus ? Host().GetStatus(MailId.c_str()) : 0; }

int CMailItem::GetCharSet(std::string& name) const {
  if (Host().GetCharSet == nullptr) return -1;
  std::vector<char> buffer(HostBufferSize, '\0');
  const int codePage = Host().GetCharSet(MailId.c_str(), buffer.data(), HostBufferSize);
  buffer.back() = '\0';
  if (codePage >= 0) name = buffer.data();
  return codePage;
}
