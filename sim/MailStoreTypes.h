#pragma once
// What the host keeps of its mail store in memory: folders (a mailbox is a top-level folder) and the
// index entries of their mails.
#include <memory>
#include <string>
#include <vector>

// Status bits of a mail, as the host reports them through TVA_GetStatus.
enum MailStatusBits : unsigned {
  MailRead = 0x1,
  MailForwarded = 0x2,
  MailReplied = 0x4,
  MailAttachment = 0x8,
};

// One entry of a folder index: where the mail lies in the folder's mail file and its main headers.
struct SimMail {
  unsigned Number = 0;  // the host's number of the mail within its folder
  unsigned Offset = 0;  // byte offset of the mail in the folder's mail file
  unsigned Size = 0;    // its length in bytes
  std::string Subject, From, To, MessageId, CharSet;
  unsigned Date = 0;  // seconds since 1970 UTC
  unsigned Status = 0;
};

struct SimFolder {
  std::string Id;    // data-folder relative path ending in "\", e.g. "Main\Inbox\"
  std::string Name;  // the last part of the path
  SimFolder* Parent = nullptr;
  std::vector<std::unique_ptr<SimFolder>> Children;
  std::vector<SimMail> Mails;
  unsigned NextNumber = 1;  // the number the next new mail gets
  bool IndexChanged = false;
};
