#pragma once

namespace rd::Contact {

// Where the Help menu, the status bar and the about box send the user.
inline constexpr char HelpPage[] = "https://recorddesk.example/help/";
inline constexpr char HomePage[] = "https://recorddesk.example/";
inline constexpr char SalesMail[] = "sales@recorddesk.example";
inline constexpr char SupportMail[] = "support@recorddesk.example";
inline constexpr char InfoMail[] = "info@recorddesk.example";

// The about box's fixed lines, the same in every language.
inline constexpr char LegalNotice[] =
    "This program is protected by copyright law. Copying or passing it on without permission "
    "is not allowed.";
inline constexpr char MakerLine[] = "RecordDesk, business records made simple.";

}  // namespace rd::Contact
