#include "sim/SampleStores.h"

#include <windows.h>

#include <cstdio>
#include <random>
#include <vector>

#include "sim/FolderIndex.h"
#include "sim/MailText.h"

namespace {

struct Person {
  const char* Name;  // display name, code page 932 bytes
  const char* Address;
  bool Japanese;
};

const Person People[] = {
    {"\x8e\x52\x93\x63\x20\x91\xbe\x98\x59", "taro.yamada@example.jp", true},     // Yamada Taro
    {"\x8d\xb2\x93\xa1\x20\x89\xd4\x8e\x71", "hanako.sato@example.jp", true},     // Sato Hanako
    {"\x97\xe9\x96\xd8\x20\x88\xea\x98\x59", "ichiro.suzuki@example.jp", true},   // Suzuki Ichiro
    {"\x8d\x82\x8b\xb4\x20\x94\xfc\x8d\xe7", "misaki.takahashi@example.jp", true},  // Takahashi Misaki
    {"Alice Walker", "alice@example.com", false},
    {"Bob Smith", "bob.smith@example.org", false},
    {"Carol Jones", "carol@example.net", false},
    {"Dave O'Brien", "dave@example.com", false},
    {"Eve Martin", "eve.martin@example.org", false},
};

const char* const JapaneseSubjects[] = {
    "\x89\xef\x8b\x63\x82\xcc\x97\x5c\x92\xe8\x82\xc9\x82\xc2\x82\xa2\x82\xc4",  // about the meeting schedule
    "\x8c\xa9\x90\xcf\x8f\x91\x82\xcc\x91\x97\x95\x74",                          // sending the estimate
    "\x82\xa8\x94\xe6\x82\xea\x82\xb3\x82\xdc\x82\xc5\x82\xb7",                  // thanks for your work
    "\x97\x5c\x92\xe8\x95\x5c\x82\xcc\x8d\x58\x90\x56",                          // schedule table update
    "\x97\x88\x8f\x54\x82\xcc\x91\xc5\x82\xbf\x8d\x87\x82\xed\x82\xb9",          // next week's meeting
};

const char* const EnglishSubjects[] = {
    "Meeting notes", "Quarterly report draft", "Lunch on Friday?", "Re: Build failure on the release branch",
    "Invoice #4711", "Photos from the trip", "Weekly status", "Re: Re: Question about the API",
    "Server maintenance tonight", "Welcome to the list", "[announce] Version 3.1 released",
    "Patch: fix off-by-one in parser",
};

const char* const BodyLines[] = {
    "Please find the details below.", "Let me know what you think.", "Thanks in advance.",
    "The numbers are in the attached sheet.", "See you tomorrow.", "Best regards,",
};

const unsigned FirstDate = 1577836800;  // 2020-01-01 00:00 UTC
const char* const Recipient = "\"Tovik User\" <user@example.com>";

class CStoreWriter {
 public:
  CStoreWriter(const std::string& dataFolder, unsigned seed) : m_dataFolder(dataFolder), m_random(seed) {}

  // Creates the folder directory (and those above it) with `mailCount` mails.
  bool WriteFolder(const std::string& folderId, int mailCount) {
    if (!MakeDirectories(folderId)) return false;
    SimFolder folder;
    folder.Id = folderId;
    std::string mailFile;
    for (int i = 0; i < mailCount; ++i) AddMail(folder, mailFile);
    const std::string directory = m_dataFolder + folderId;
    FILE* file = std::fopen((directory + FolderMailFileName).c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(mailFile.data(), 1, mailFile.size(), file) == mailFile.size();
    return (std::fclose(file) == 0) && written && WriteFolderIndex(directory + FolderIndexFileName, folder);
  }

 private:
  unsigned Pick(unsigned count) { return static_cast<unsigned>(m_random() % count); }

  bool MakeDirectories(const std::string& folderId) {
    for (size_t end = folderId.find('\\'); end != std::string::npos; end = folderId.find('\\', end + 1)) {
      const std::string directory = m_dataFolder + folderId.substr(0, end);
      if (!CreateDirectoryA(directory.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return true;
  }

  void AddMail(SimFolder& folder, std::string& mailFile) {
    const Person& sender = People[Pick(sizeof People / sizeof People[0])];
    const bool japanese = sender.Japanese && Pick(3) != 0;
    SimMail mail;
    mail.Number = folder.NextNumber++;
    mail.Offset = static_cast<unsigned>(mailFile.size());
    mail.Subject = japanese ? JapaneseSubjects[Pick(sizeof JapaneseSubjects / sizeof JapaneseSubjects[0])]
                            : EnglishSubjects[Pick(sizeof EnglishSubjects / sizeof EnglishSubjects[0])];
    mail.From = std::string("\"") + sender.Name + "\" <" + sender.Address + ">";
    mail.To = Recipient;
    mail.Date = FirstDate + Pick(3 * 365 * 24 * 3600);
    char messageId[80];
    std::snprintf(messageId, sizeof messageId, "<%08X.%06u@%s>", mail.Date, ++m_mailCount,
                  sender.Japanese ? "mail.example.jp" : "mx.example.com");
    mail.MessageId = messageId;
    mail.CharSet = japanese ? "Shift_JIS" : "us-ascii";
    mail.Status = (Pick(5) == 0 ? 0u : unsigned(MailRead)) | (Pick(8) == 0 ? unsigned(MailReplied) : 0u) |
                  (Pick(10) == 0 ? unsigned(MailAttachment) : 0u);
    std::string text = "From: " + mail.From + "\r\nTo: " + mail.To + "\r\nSubject: " + mail.Subject +
                       "\r\nDate: " + FormatMailDate(mail.Date, sender.Japanese ? 540 : -300) +
                       "\r\nMessage-Id: " + mail.MessageId +
                       "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=" + mail.CharSet +
                       "\r\nX-Mailer: TovikSim sample generator\r\n\r\n";
    for (unsigned line = 0, lines = 2 + Pick(5); line < lines; ++line) {
      text += BodyLines[Pick(sizeof BodyLines / sizeof BodyLines[0])];
      text += "\r\n";
    }
    mail.Size = static_cast<unsigned>(text.size());
    mailFile += text;
    folder.Mails.push_back(mail);
  }

  std::string m_dataFolder;
  std::mt19937 m_random;
  unsigned m_mailCount = 0;
};

bool MakeDataFolder(const std::string& dataFolder) {
  return CreateDirectoryA(dataFolder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

bool WriteSampleStore(const std::string& dataFolder, unsigned seed) {
  static const struct {
    const char* Id;
    int Mails;
  } folders[] = {
      {"Main\\", 0},          {"Main\\Inbox\\", 60},         {"Main\\Inbox\\Family\\", 15},
      {"Main\\Inbox\\Friends\\", 12}, {"Main\\Inbox\\Friends\\Old\\", 8}, {"Main\\Outbox\\", 2},
      {"Main\\Sent\\", 30},   {"Main\\Trash\\", 10},         {"Work\\", 0},
      {"Work\\Inbox\\", 50},  {"Work\\Inbox\\Projects\\", 5}, {"Work\\Inbox\\Projects\\Alpha\\", 20},
      {"Work\\Inbox\\Projects\\Beta\\", 15}, {"Work\\Inbox\\Projects\\Beta\\Specs\\", 6},
      {"Work\\Customers\\", 18}, {"Work\\Sent\\", 20},        {"Work\\Archive\\", 0},
      {"Work\\Archive\\2019\\", 10}, {"Work\\Archive\\2020\\", 12}, {"News\\", 0},
      {"News\\Inbox\\", 25}, {"News\\Announce\\", 10},     {"News\\Dev\\", 10},
      {"News\\Dev\\Patches\\", 14},
  };
  if (!MakeDataFolder(dataFolder)) return false;
  CStoreWriter writer(dataFolder, seed);
  for (const auto& folder : folders) {
    if (!writer.WriteFolder(folder.Id, folder.Mails)) return false;
  }
  return true;
}

bool WriteLargeStore(const std::string& dataFolder, unsigned seed, int folderCount, int bigFolderMails) {
  if (!MakeDataFolder(dataFolder)) return false;
  CStoreWriter writer(dataFolder, seed);
  if (!writer.WriteFolder("Bench\\", 0) || !writer.WriteFolder("Bench\\Big\\", bigFolderMails)) return false;
  // Ten top-level folders, then eight children under each folder in turn: a broad, deep tree.
  std::vector<std::string> ids;
  for (int i = 0; i < folderCount; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "F%05d\\", i);
    const std::string parent = i < 10 ? std::string("Bench\\") : ids[(i - 10) / 8];
    ids.push_back(parent + name);
    if (!writer.WriteFolder(ids.back(), 2)) return false;
  }
  return true;
}
