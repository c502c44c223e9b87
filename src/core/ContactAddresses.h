#pragma once

namespace rd::Contact {

// Where the Help menu, the status bar and the about box send the user.
inline constexpr char HelpPage[] = "https://recorddesk.example/help/";
inline constexpr char HomePage[] = "https://recorddesk.example/";
inline constexpr char SalesMail[] = "sales@recorddesk.example";
inline constexpr char SupportMail[] = "support@recorddesk.example";
inline constexpr char InfoMail[] = "info@recorddesk.example";

}  // namespace rd::Contact
