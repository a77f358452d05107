#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/favorites/CFavoriteItem.h"

// Length of the titles built for mails without a display name; 0 (no shortening) until the first
// favorites menu copies the setting in.
extern std::uint32_t TitleLength;

// A favorite mail, and an entry of the mail history.
class CMailItem : public CFavoriteItem {
 public:
  // The display name, or the built title when there is none.
  std::string GetDisplayName() const override;
  bool IsValid() const override;
  std::unique_ptr<CFavoriteItem> Clone() const override;
  // Mails are the same when all six mail fields are.
  bool IsSameAs(const CMailItem& other) const;

  // Subject and sender as "Subject (Sender)", shortened to TitleLength bytes.
  std::string BuildTitle() const;
  // The display names (or, without one, the addresses) of From, joined by ", ".
  std::string GetSenderText() const;
  // The host's display name of the mail's folder.
  std::string GetFolderDisplayName() const;
  // The host's status bits of the mail.
  int GetStatus() const;
  // The host's character set name of the mail (left alone when the host's result is negative);
  // returns the host's result, the code page.
  int GetCharSet(std::string& name) const;

  std::string MailId;
  std::string FolderId;
  std::string Subject;
  std::string From;
  std::string Date;
  std::string MessageId;
};
