// Identifiers of the plug-in's resources: strings, dialog templates, their controls and icons. The
// English and the Japanese resource sets use the same identifiers.
#ifndef RAZ_RESOURCES_RESOURCE_H
#define RAZ_RESOURCES_RESOURCE_H

// ---- Icons -------------------------------------------------------------------------------------
#define IDI_MAIL 107
#define IDI_FOLDER 112
#define IDI_APPLICATION_MARK 114  // the plug-in's own icon: setup sheet, list edit dialog, version page
#define IDI_FOLDER_TREE 117
#define IDI_KEY 125
#define IDI_FAILURE_OVERLAY 128  // drawn over a list icon to mark a favorite whose last jump failed
#define IDI_WINDOW_STATE 130
#define IDI_HOST_FOLDER 132  // a folder of the host that is no favorite (find dialog)

// ---- Dialog templates --------------------------------------------------------------------------
#define IDD_ITEM_LIST_EDIT 107
#define IDD_ITEM_DETAIL 110
#define IDD_FOLDER_TREE_CREATE 118
#define IDD_SETUP_KEY 121
#define IDD_SETUP_MAIL 122
#define IDD_SETUP_OVERALL 123
#define IDD_SETUP_FOLDER_TREE 124
#define IDD_SETUP_ABOUT 127
#define IDD_FIND_FAVORITE 131

// ---- Controls ----------------------------------------------------------------------------------
// Favorite list edit dialog (107).
#define IDC_LIST_KIND 1011
#define IDC_ITEM_LIST 1004
#define IDC_MOVE_UP 1005
#define IDC_MOVE_DOWN 1006
#define IDC_REMOVE 1007
#define IDC_PROPERTY 1012
// Item detail dialog (110); IDC_TITLE is also the title edit of the tree state registration (118).
#define IDC_TITLE 1014
#define IDC_TREE_STATE_LABEL 1032
#define IDC_TREE_STATE 1023
#define IDC_INTERNAL_INFO_LABEL 1033
#define IDC_INTERNAL_INFO 1015
#define IDC_RELATED_INFO_LABEL 1034
#define IDC_RELATED_INFO 1017
// Folder tree state registration dialog (118).
#define IDC_EXISTING_TREE 1029
#define IDC_CREATE_NEW 1027
#define IDC_UPDATE_EXISTING 1028
// Setup page "Overall" (123).
#define IDC_RESTORE_TREE 1035
#define IDC_SET_FOCUS_AFTER_JUMP 1055
// Setup page "Mail" (122).
#define IDC_MAIL_FOLDER 1002
#define IDC_MAIL_FOLDER_DISP_MODE 1003
#define IDC_MAIL_HISTORY_NUM 1051
#define IDC_MAIL_HISTORY_NUM_SPIN 1052
#define IDC_MAIL_TITLE_LENGTH 1053
#define IDC_MAIL_TITLE_LENGTH_SPIN 1054
// Setup page "Folder tree" (124).
#define IDC_SAVE_TREE_COMPLETE 1038
#define IDC_RESTORE_TREE_COMPLETE 1039
#define IDC_CLOSED_DEPTH 1040
#define IDC_CLOSED_DEPTH_SPIN 1041
#define IDC_RESTRICT_CLOSED_DEPTH 1048
#define IDC_CLOSED_DEPTH_LABEL 1049
// Setup page "Key" (121).
#define IDC_MENU_TYPE 1042
#define IDC_SHORTCUT_KEY 1047
// Setup page "Version Information" (127).
#define IDC_VERSION_LABEL 1054
// Find dialog (131).
#define IDC_FIND_TEXT 1060
#define IDC_FOUND_LIST 1061
#define IDC_FIND_FOLDERS 1062
#define IDC_REGISTER_FOLDER 1063

// ---- Strings -----------------------------------------------------------------------------------
// Host commands, their menu items and status texts.
#define IDS_REGISTERING_PROGRESS 57600
#define IDS_MENU_REGISTER 57602
#define IDS_COMMAND_REGISTER_MAIL 57603
#define IDS_MENU_DELETE 57604
#define IDS_COMMAND_REGISTER_FOLDER 57605
#define IDS_LIST_FULL 57607
#define IDS_CANNOT_REGISTER 57608
#define IDS_CANNOT_REGISTER_SOME_MAILS 57609
#define IDS_CANNOT_REGISTER_ANY_MAIL 57610
#define IDS_ASK_IS_SEARCHED_MAIL 57611
#define IDS_NOW_SEARCHING 57614
#define IDS_COMMAND_POPUP_FAVORITES 57615
#define IDS_MENU_POPUP_FAVORITES 57616
#define IDS_RESTORING_TREE_STATE 57618
#define IDS_COMMAND_REGISTER_TREE_STATE 57619
#define IDS_MENU_REGISTER_TREE_STATE 57620
#define IDS_SAVING_TREE_STATE 57621
#define IDS_NO_TREE_TO_RESTORE 57622  // first entry of the tree state drop-downs
#define IDS_NO_TREE_ID 57623          // value of the folder's tree id in the detail dialog
#define IDS_NO_TREE_NAME 57624        // value of the tree name to restore in the detail dialog
#define IDS_CANCELED 57625
#define IDS_FAILED 57626
#define IDS_MENU_SETUP 57627
#define IDS_TREE_RESTORE_CANCELED 57628
#define IDS_TREE_RESTORE_FAILED 57629
#define IDS_ASK_CLEAR_MAIL_HISTORY 57630
#define IDS_ASK_DELETE_FOLDER 57631
#define IDS_ASK_DELETE_MAIL 57632
#define IDS_ASK_DELETE_SELECTED_MAILS 57633
#define IDS_DELETING_PROGRESS 57634
#define IDS_COMMAND_DELETE_MAIL 57635
#define IDS_COMMAND_DELETE_SELECTED_MAILS 57637
#define IDS_COMMAND_DELETE_FOLDER 57638
#define IDS_COMMAND_REGISTER_SELECTED_MAILS 57641
#define IDS_ALREADY_REGISTERED 57642
// Setup sheet.
#define IDS_FOLDER_FORM_PATH 57700
#define IDS_FOLDER_FORM_NAME 57701
#define IDS_FOLDER_FORM_NAME_AND_PARENT 57702
#define IDS_FOLDER_FORM_NONE 57703
#define IDS_MENU_TYPE_COMPREHENSIVE 57704
#define IDS_MENU_TYPE_FOLDER 57705
#define IDS_MENU_TYPE_MAIL 57706
#define IDS_MENU_TYPE_FOLDER_TREE 57707
#define IDS_SETUP_CAPTION 57708
#define IDS_MENU_TYPE_MAIL_HISTORY 57709
#define IDS_MENU_TYPE_WINDOW_STATE 57710
// Warnings and questions.
#define IDS_UNUSABLE_KEY 57800
#define IDS_ASK_DELETE_LOST_MAIL 57802
#define IDS_ASK_DELETE_LOST_FOLDER 57803
#define IDS_ASK_SEARCH_AFTER_FAILURE 57804
#define IDS_ASK_MAIL_IN_CURRENT_FOLDER 57808
#define IDS_BAD_DEPTH 57809
#define IDS_TREE_FILE_WRITE_FAILED 57810
#define IDS_BAD_HISTORY_NUMBER 57811
#define IDS_BAD_TITLE_LENGTH 57812
#define IDS_INPUT_TITLE 57813
// List edit dialog: list names and column titles.
#define IDS_COLUMN_TITLE 57900
#define IDS_COLUMN_SUBJECT 57901
#define IDS_COLUMN_FROM 57902
#define IDS_COLUMN_DATE 57903
#define IDS_FOLDER 57904  // list name and column title
#define IDS_LIST_MAIL 57905
#define IDS_LIST_FOLDER_TREE 57906
#define IDS_COLUMN_FILE_NAME 57907
#define IDS_COLUMN_MESSAGE_ID 57908
#define IDS_LIST_WINDOW_STATE 57909
// Mail status words.
#define IDS_STATUS_READ 58000
#define IDS_STATUS_UNREAD 58001
#define IDS_STATUS_FORWARDED 58002
#define IDS_STATUS_NOT_FORWARDED 58003
#define IDS_STATUS_REPLIED 58004
#define IDS_STATUS_NOT_REPLIED 58005
#define IDS_STATUS_ATTACHMENT 58006
#define IDS_STATUS_NO_ATTACHMENT 58007
#define IDS_STATUS_PARTIAL 58008
#define IDS_STATUS_REDIRECT 58010
// Item detail dialog: information labels and values.
#define IDS_INFO_FOLDER_ID 58100
#define IDS_INFO_MAIL_ID 58101
#define IDS_INFO_SUBJECT 58102
#define IDS_INFO_FROM 58103
#define IDS_INFO_DATE 58104
#define IDS_INFO_MESSAGE_ID 58105
#define IDS_INFO_FOLDER_DISPLAY_NAME 58106
#define IDS_INFO_MAIL_STATUS 58107
#define IDS_INFO_CHARSET 58108
#define IDS_INFO_CODE_PAGE 58109
#define IDS_INFO_TREE_ID 58110
#define IDS_INFO_FOLDER_TREE_ID 58111
#define IDS_INFO_TREE_FILE_NAME 58112
#define IDS_INFO_INDISTINCT 58116
#define IDS_INFO_TREE_TO_RESTORE 58117
#define IDS_INFO_ABOUT_RESTORING 58118
#define IDS_UNKNOWN_FOLDER_LABEL 58119
#define IDS_UNKNOWN_FOLDER_NOTHING 58120
#define IDS_UNKNOWN_FOLDER_CLOSE 58121
#define IDS_UNKNOWN_FOLDER_OPEN 58122
#define IDS_WINDOW_RECT 58123
#define IDS_WINDOW_MAXIMIZED 58124
#define IDS_WINDOW_MINIMIZED 58125
// Favorites popup menus.
#define IDS_POPUP_EDIT_FOLDERS 58200
#define IDS_POPUP_EDIT_MAILS 58201
#define IDS_POPUP_REGISTER_FOLDER 58202
#define IDS_POPUP_REGISTER_MAIL 58203
#define IDS_POPUP_FOLDERS 58204
#define IDS_POPUP_MAILS 58205
#define IDS_POPUP_REGISTER_TREE_STATE_SHORT 58206  // kept in the tables, no menu shows it
#define IDS_POPUP_RESTORE_TREE_STATE 58207         // kept in the tables, no menu shows it
#define IDS_POPUP_EDIT_TREE_STATES 58208
#define IDS_POPUP_REGISTER_TREE_STATE 58209
#define IDS_POPUP_TREE_STATES 58210
#define IDS_POPUP_MAIL_HISTORY 58211
#define IDS_POPUP_CLEAR_MAIL_HISTORY 58212
#define IDS_POPUP_ALL_MAILS 58213
#define IDS_POPUP_DELETE_FOLDER 58214
#define IDS_POPUP_DELETE_MAIL 58215
#define IDS_POPUP_EDIT_WINDOW_STATES 58216
#define IDS_POPUP_REGISTER_WINDOW_STATE 58217
#define IDS_POPUP_WINDOW_STATES 58218
// The find dialog, its host command, its menu item and its entry on the Key page.
#define IDS_COMMAND_FIND_FAVORITE 58240
#define IDS_MENU_FIND_FAVORITE 58241
#define IDS_COLUMN_LEADS_TO 58242
#define IDS_MENU_TYPE_FIND 58243
#define IDS_CANNOT_FIND_HOST_FOLDER 58244
// What a jump tells the user beside the questions of its own.
#define IDS_INDEX_UNREADABLE 58250
// Why the edit dialogs refuse a name.
#define IDS_NAME_NEEDED 58260

#endif
