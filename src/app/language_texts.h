// The user-interface texts: every text ID in loading order, with its built-in text and the
// capacity of its slot (UTF-16 units, terminator included). The loaded value of an ID replaces its
// built-in text; a value longer than the slot is cut to capacity - 1 units.
#pragma once

// X(id, built-in text, capacity)
#define MV_LANGUAGE_TEXTS(X) \
  X(MACRO_ACTION_RECORD_DELAY, u"RecordDelay", 108) \
  X(MACRO_NEW_PREFIX, u"Macro", 108) \
  X(MACRO_ERR_MAX, u"The maximum number of macro: %d   ", 108) \
  X(MACRO_ERR_SAME, u"Same macro name!   ", 108) \
  X(MACRO_ERR_NAME_SYSTEM, u"This macro is used in the system! ", 108) \
  X(MACRO_DEFAULT_NAME, u"Empty Macro", 108) \
  X(MACRO_ERR_RECORD, u"Please stop the macro record first! ", 108) \
  X(MACRO_KEYS_TISHI, u"hello world", 108) \
  X(MACRO_ACTION_TISHI, u"hello world", 108) \
  X(MACRO_DELAY_MS, u"hello world", 108) \
  X(MACRO_ACTION_CLEAR_CONFIRM, u"Really need to clear the macro action? ", 108) \
  X(MACRO_ACTION_ERR_MODIFY, u"You can not edit, use the macro record button. ", 108) \
  X(MACRO_ACTION_ERR_DELAY_MAX, u"Maximum delay time is: %d(ms) ", 108) \
  X(MACRO_ACTION_RECORD, u"Record", 108) \
  X(MACRO_ACTION_STOP_RECORD, u"Stop Record", 108) \
  X(EXTRA_MACRO_TOO_LONG, u"Macro space exceeds the hardware space.\r\n Please reduce the number of macros or macro action number\uFF0Cand then download.", 256) \
  X(UNKNOWN_KEY, u"Unknown Key: %03x", 108) \
  X(MEDIA_PALYER_1, u"Hello world", 108) \
  X(MEDIA_PALY_PAUSE_2, u"Hello world", 108) \
  X(MEDIA_STOP_PALY_3, u"Hello world", 108) \
  X(MEDIA_PREV_TRACK_4, u"Hello world", 108) \
  X(MEDIA_Next_TRACK_5, u"Hello world", 108) \
  X(MEDIA_V_LOW_6, u"Hello world", 108) \
  X(MEDIA_V_ADD_7, u"Hello world", 108) \
  X(MEDIA_MUTE_8, u"Hello world", 108) \
  X(MEDIA_WWW_HOME_9, u"Hello world", 108) \
  X(MEDIA_WWW_REFRESH_10, u"Hello world", 108) \
  X(MEDIA_WWW_STOP_11, u"Hello world", 108) \
  X(MEDIA_WWW_BACK_12, u"Hello world", 108) \
  X(MEDIA_WWW_FORWARD_13, u"Hello world", 108) \
  X(MEDIA_WWW_FAVORITE_14, u"Hello world", 108) \
  X(MEDIA_WWW_SEARCH_15, u"Hello world", 108) \
  X(MEDIA_MY_PC_16, u"Hello world", 108) \
  X(MEDIA_CALC_17, u"Hello world", 108) \
  X(MEDIA_MAIL_18, u"Hello world", 108) \
  X(FUNC_KEY_DESC1, u"Open", 108) \
  X(FUNC_KEY_DESC2, u"New", 108) \
  X(FUNC_KEY_DESC3, u"Undo", 108) \
  X(FUNC_KEY_DESC4, u"Save", 108) \
  X(FUNC_KEY_DESC5, u"Copy", 108) \
  X(FUNC_KEY_DESC6, u"Cut", 108) \
  X(FUNC_KEY_DESC7, u"Paste", 108) \
  X(FUNC_KEY_DESC8, u"Find", 108) \
  X(FUNC_KEY_DESC9, u"Select All", 108) \
  X(FUNC_KEY_DESC10, u"Zoom-", 108) \
  X(FUNC_KEY_DESC11, u"Zoom+", 108) \
  X(APPLY_PROMPT, u"No Use!", 108) \
  X(MACRO_DELETE_CONFIRM_OF_KEYS, u"Detect some key points to set this macro, \n  really need to remove this macro?  ", 108) \
  X(KEY_PROMPT, u"No Use!", 108) \
  X(KEY_PROMPT_SET, u"Keys, Set: ", 108) \
  X(KEY_PROMPT_SINGLE, u"Key(", 108) \
  X(KEY_PROMPT_MACRO, u"Macro(", 108) \
  X(KEY_PROMPT_MEDIA, u"Media(", 108) \
  X(KEY_PROMPT_FUNCTION, u"Function(", 108) \
  X(DEFAULT_PROFILE_NAME, u"<Default Profile>", 108) \
  X(PROFILE_SELECT_PROMPT, u"Whether to save the profile settings made?", 108) \
  X(PROFILE_SEELCT_PROMPT2, u"When fast switch scene mode, you must first close the editor dialog box.", 108) \
  X(PROFILE_LOAD_PROMPT, u"Switch scene mode will automatically stop the macro play!", 108) \
  X(PROFILE_FORMAT_ERROR, u"wrong file format, revert to the default values: \n  %s", 108) \
  X(PROFILE_NEW, u"\\The new contextual  mode", 108) \
  X(PROFILE_TIP, u"The current contextual  mode: ", 108) \
  X(EXTRA_PROFILE_SPACE_TIGHT, u"shortage of hardware space, cancelled the macro name of storage.", 108) \
  X(MAIN_UPDATE_ERROR_TEXT, u"\u8BF7\u9009\u62E9\u6B63\u786E\u7684\u66F4\u65B0\u6587\u4EF6! ", 13) \
  X(MAIN_BOOT_ERROR_TEXT, u"\u65E0\u6CD5\u8FDB\u5165Boot\u6A21\u5F0F! ", 13) \
  X(MAIN_SHELL_ERROR_TEXT, u"\u65E0\u6CD5\u6267\u884C\u66F4\u65B0\u6587\u4EF6! ", 11) \
  X(MAIN_UPDATE_BACKUP_OK, u"\u5907\u4EFD\u6210\u529F!", 6) \
  X(MAIN_UPDATE_BACKUP_NG, u"\u5907\u4EFD\u5931\u8D25,\u8BF7\u91CD\u65B0\u5907\u4EFD!", 12) \
  X(KEYBOARD_TRAY_DESC, u"Brenta Mech QT7", 108) \
  X(MAIN_CAPTION, u"Gaming Keyboard Settings", 108) \
  X(MAIN_HELP_PROMPT, u"Help", 108) \
  X(MAIN_MINIMIZE_PROMPT, u"Minimize", 108) \
  X(MAIN_MENU_PROMPT, u"Menu", 108) \
  X(MAIN_CLOSE_PROMPT, u"Close", 108) \
  X(MAIN_BUTTON_VOLSKA_VER, u"", 108) \
  X(MAIN_PROMPT_DEFAULT, u"Do you want to restore the default settings?", 108) \
  X(MAIN_PROMPT_INPORT, u"File format error, import failed! ", 108) \
  X(MAIN_SWITCH_FUNCTION_TEXT, u"Switch to the color keys mode", 108) \
  X(MAIN_SWITCH_COLOR_TEXT, u"Switch to the function keys mode", 108) \
  X(MAIN_DEFAULT_MATRIX_PROMPT, u"Reads the default keyboard layout failure", 108) \
  X(MAIN_NO_DEVICE_PROMPT, u"Device is not detected\uFF0Cthe key settings can not be displayed! ", 108) \
  X(MAIN_INSTANCE_NO_ANSWER_PROMPT, u"The program is running already but does not answer.", 108) \
  X(MAIN_KEYBOARD_NOT_READ_PROMPT, u"The keyboard could not be read; nothing is written to it until it has been read.", 108)
