#include "core/mail/CIdxItem.h"

std::string_view CIdxItem::GetField(int number) const { return IndexField(m_line, number); }
