#pragma once
// Resource ids of QuorDeviceManager.exe. Plain #defines only: windres and the C++ code both include this.

// Application icon and system-menu item
#define IDR_MAINFRAME 128
#define IDS_ABOUTBOX  101
#define IDM_ABOUTBOX  0x0010
#define ID_MENU_CLOSE 32784 // "Close" of the context menu

// Dialog templates: the main window and its seven pages
#define IDD_UPDATER_DIALOG            102
#define IDD_DEVICE_SELECTION          182
#define IDD_DEVICE_RECOGNITION        183
#define IDD_FIRMWARE_UPDATE           185
#define IDD_FIRMWARE_RESTORE          186
#define IDD_DEVICE_SETTING            187
#define IDD_DEVICE_SETTING_SECOND     189
#define IDD_DEVICE_SETTING_SPEED_DIAL 193
#define IDD_MESSAGE_BOX               184

// Controls of the message box (template 184); buttons 1 and 2 are IDOK and IDCANCEL
#define IDC_MESSAGE_ICON    1025
#define IDC_MESSAGE_TEXT    1026
#define IDC_MESSAGE_BUTTON3 3

// Controls of the firmware pages that the main view reads and empties
#define IDC_UPDATE_IMAGE_PATH        1028 // page 3: the image file (APPLY needs one)
#define IDC_UPDATE_FIRMWARE_LANGUAGE 1032 // page 3: voice-prompt languages of the image
#define IDC_UPDATE_INSTRUCTION       1207 // page 3: hidden while the frame shows progress
#define IDC_RESTORE_VERSION_LIST     1034 // page 4: voice-prompt languages of the backup firmware

// Controls of the firmware restore page (template 186). Caption k and value k form pair k; the
// value id is the caption id plus 1.
#define IDC_RESTORE_TITLE                1012
#define IDC_RESTORE_VERSION_CAPTION      1013
#define IDC_RESTORE_VERSION              1014
#define IDC_RESTORE_DATE_CAPTION         1015
#define IDC_RESTORE_DATE                 1016
#define IDC_RESTORE_CAPTION1             1017
#define IDC_RESTORE_VALUE1               1018
#define IDC_RESTORE_CAPTION2             1019
#define IDC_RESTORE_VALUE2               1020
#define IDC_RESTORE_CAPTION3             1021
#define IDC_RESTORE_VALUE3               1022
#define IDC_RESTORE_CAPTION4             1023
#define IDC_RESTORE_VALUE4               1024
#define IDC_RESTORE_CAPTION5             1025
#define IDC_RESTORE_VALUE5               1026
#define IDC_RESTORE_CAPTION6             1027
#define IDC_RESTORE_VALUE6               1028
#define IDC_RESTORE_VOICE_PROMPT_CAPTION 1167
#define IDC_RESTORE_SETTINGS_LIST        1202

// Bitmaps
#define IDB_NO_DEVICE         176 // 34 x 34: no unit, or a unit in firmware management mode
#define IDB_WARNING           184 // 64 x 64 warning sign of the message box
#define IDB_PRODUCT_LOGO      186 // 48 x 48 product logo (also the picture of an unknown model)
#define IDB_HELP              188 // 16 x 16 help icon of the settings grid
#define IDB_FLAG_ENGLISH      203 // language flags, 24 x 16, languages 0..12
#define IDB_FLAG_FRENCH       204
#define IDB_FLAG_GERMAN       205
#define IDB_FLAG_ITALIAN      206
#define IDB_FLAG_JAPANESE     207
#define IDB_FLAG_KOREAN       208
#define IDB_FLAG_SPANISH      209
#define IDB_FLAG_DUTCH        291
#define IDB_FLAG_RUSSIAN      292
#define IDB_FLAG_CHINESE      293
#define IDB_FLAG_FINNISH      352
#define IDB_FLAG_CZECH        392
#define IDB_FLAG_POLISH       393
#define IDB_PAGE_BACKGROUND   218 // page area 1014
#define IDB_WINDOW_BACKGROUND 227 // whole main window, control 1001
#define IDB_RADIO_IMAGES      303 // four 20 x 20 images on RGB(255, 0, 255)
#define IDB_START_PAGE        275 // the start page's picture button, 312 x 138 dialog units

// Controls of the main window (template 102)
#define IDC_BUTTON_CLOSE               1 // "X", the dialog's IDOK
#define IDC_BACKGROUND                 1001
#define IDC_DEVICE_PICTURE             1002
#define IDC_DEVICE_NAME                1003
#define IDC_DEVICE_VERSION             1004
#define IDC_BUTTON_ABOUT               1006
#define IDC_BUTTON_HOME                1007
#define IDC_BUTTON_DEVICE_RECOGNITION  1008
#define IDC_BUTTON_FIRMWARE_UPDATE     1009
#define IDC_BUTTON_FIRMWARE_RESTORE    1010
#define IDC_BUTTON_DEVICE_SETTING      1011
#define IDC_BREADCRUMB                 1012
#define IDC_STATUS_UPPER               1013
#define IDC_PAGE_AREA                  1014
#define IDC_BUTTON_INFORMATION         1015
#define IDC_STATUS_TEXT                1016
#define IDC_BUTTON_BACK                1017
#define IDC_BUTTON_NEXT                1018
#define IDC_BUTTON_APPLY               1019
#define IDC_BUTTON_BACK_TO_UPDATE      1020
#define IDC_PROGRESS                   1021
#define IDC_PERCENT_SIGN               1022
#define IDC_PERCENT_NUMBER             1023
#define IDC_BUTTON_FORWARD_TO_RESTORE  1024
#define IDC_BUTTON_FIRST_SETTINGS_PAGE 1025
#define IDC_BUTTON_SETTINGS_PAGE_LIST  1027
#define IDC_LANGUAGE_FLAG              1166
#define IDC_SETTINGS_PAGE_LIST         1171
#define IDC_SETTINGS_GRID              1201 // the basic settings page's grid

// Controls of the start page (template 182) and the recognition page (template 183)
#define IDC_START_PICTURE    1032
#define IDC_RECOGNITION_TEXT 1024

// Controls of the basic settings page (template 187). In every Enable/Disable pair the Disable
// id is the Enable id plus 1.
#define IDC_MORE_SETTINGS        1100
#define IDC_SETTINGS_DEFAULT     1035
#define IDC_SETTINGS_CANCEL      1036
#define IDC_VOX_PHONE_LABEL      1037
#define IDC_VOX_PHONE_ENABLE     1038
#define IDC_VOX_PHONE_DISABLE    1039
#define IDC_VOX_INTERCOM_LABEL   1040
#define IDC_VOX_INTERCOM_ENABLE  1041
#define IDC_VOX_INTERCOM_DISABLE 1042
#define IDC_EDR_LABEL            1043
#define IDC_EDR_HELP             1044
#define IDC_EDR_ENABLE           1045
#define IDC_EDR_DISABLE          1046
#define IDC_EDR_NOTICE           1047
#define IDC_PLC_LABEL            1048
#define IDC_PLC_HELP             1049
#define IDC_PLC_ENABLE           1050
#define IDC_PLC_DISABLE          1051
#define IDC_A2DP_LABEL           1052
#define IDC_A2DP_HELP            1053
#define IDC_A2DP_ENABLE          1054
#define IDC_A2DP_DISABLE         1055
#define IDC_MIC_BOOST_LABEL      1056
#define IDC_MIC_BOOST_HELP       1057
#define IDC_MIC_BOOST_ENABLE     1058
#define IDC_MIC_BOOST_DISABLE    1059
#define IDC_RESTART_NOTE         1069
#define IDC_GAIN_LABEL           1060
#define IDC_GAIN_HELP            1061
#define IDC_GAIN_LOW             1062
#define IDC_GAIN_MEDIUM          1063
#define IDC_GAIN_HIGH            1064
#define IDC_TIMEOUT_LABEL        1065
#define IDC_TIMEOUT_HELP         1066
#define IDC_TIMEOUT_EDIT         1067
#define IDC_TIMEOUT_SPIN         1068
#define IDC_TIMEOUT_UNIT         1070
#define IDC_AUDIO_BOOST_LABEL    1071
#define IDC_AUDIO_BOOST_HELP     1072
#define IDC_AUDIO_BOOST_ENABLE   1073
#define IDC_AUDIO_BOOST_DISABLE  1074
#define IDC_NOTE_MORE            1075
#define IDC_SIDETONE_LABEL       1076
#define IDC_SIDETONE_HELP        1077
#define IDC_SIDETONE_ENABLE      1078
#define IDC_SIDETONE_DISABLE     1079
#define IDC_MOTION_LABEL         1080
#define IDC_MOTION_HELP          1081
#define IDC_MOTION_COMBO         1182
#define IDC_DUALSTREAM_LABEL     1083
#define IDC_DUALSTREAM_HELP      1084
#define IDC_DUALSTREAM_ENABLE    1085
#define IDC_DUALSTREAM_DISABLE   1086
#define IDC_OVERLAY_LABEL        1087
#define IDC_OVERLAY_HELP         1088
#define IDC_OVERLAY_COMBO        1183
#define IDC_NAV_APP_LABEL        1089
#define IDC_NAV_APP_HELP         1090
#define IDC_NAV_APP_ENABLE       1091
#define IDC_NAV_APP_DISABLE      1092
#define IDC_HUSHGUARD_LABEL      1082
#define IDC_HUSHGUARD_HELP       1093
#define IDC_HUSHGUARD_ENABLE     1094
#define IDC_HUSHGUARD_DISABLE    1095
#define IDC_AGC_LABEL            1096
#define IDC_AGC_HELP             1097
#define IDC_AGC_ENABLE           1098
#define IDC_AGC_DISABLE          1099

// FM radio page (template 189). Per preset n a check box, a hidden buddy edit
// holding the up-down position, the frequency edit and the up-down control.
#define IDC_FM_DEFAULT       1082
#define IDC_FM_CANCEL        1083
#define IDC_FM_HELP          1084
#define IDC_FM_RDS_OFF       1087
#define IDC_FM_RDS_ON        1088
#define IDC_FM_REGION        1142
#define IDC_FM_PRESETS_LABEL 1139
#define IDC_FM_REGION_LABEL  1140
#define IDC_FM_RDS_LABEL     1141
#define IDC_FM_CHECK1        1091
#define IDC_FM_CHECK2        1095
#define IDC_FM_CHECK3        1099
#define IDC_FM_CHECK4        1103
#define IDC_FM_CHECK5        1107
#define IDC_FM_CHECK6        1111
#define IDC_FM_CHECK7        1116
#define IDC_FM_CHECK8        1120
#define IDC_FM_CHECK9        1124
#define IDC_FM_CHECK10       1128
#define IDC_FM_BUDDY1        1086
#define IDC_FM_BUDDY2        1092
#define IDC_FM_BUDDY3        1096
#define IDC_FM_BUDDY4        1100
#define IDC_FM_BUDDY5        1104
#define IDC_FM_BUDDY6        1108
#define IDC_FM_BUDDY7        1113
#define IDC_FM_BUDDY8        1117
#define IDC_FM_BUDDY9        1121
#define IDC_FM_BUDDY10       1125
#define IDC_FM_EDIT1         1129
#define IDC_FM_EDIT2         1130
#define IDC_FM_EDIT3         1131
#define IDC_FM_EDIT4         1132
#define IDC_FM_EDIT5         1133
#define IDC_FM_EDIT6         1134
#define IDC_FM_EDIT7         1135
#define IDC_FM_EDIT8         1136
#define IDC_FM_EDIT9         1137
#define IDC_FM_EDIT10        1138
#define IDC_FM_SPIN1         1143
#define IDC_FM_SPIN2         1144
#define IDC_FM_SPIN3         1145
#define IDC_FM_SPIN4         1146
#define IDC_FM_SPIN5         1147
#define IDC_FM_SPIN6         1148
#define IDC_FM_SPIN7         1149
#define IDC_FM_SPIN8         1150
#define IDC_FM_SPIN9         1151
#define IDC_FM_SPIN10        1152

// Speed-dial page (template 193).
#define IDC_SPEED_DIAL_DEFAULT 1172
#define IDC_SPEED_DIAL_CANCEL  1173
#define IDC_SPEED_DIAL_LABEL1  1174
#define IDC_SPEED_DIAL_EDIT1   1175
#define IDC_SPEED_DIAL_LABEL2  1176
#define IDC_SPEED_DIAL_EDIT2   1177
#define IDC_SPEED_DIAL_LABEL3  1178
#define IDC_SPEED_DIAL_EDIT3   1179

// The shell's own dialogs and menu (res/ShellDialogs.rc)
#define IDD_ABOUTBOX           100 // the About box
#define IDD_NEW_UPDATE_FOUND   188 // the new-firmware question
#define IDD_LANGUAGE_MANAGER   190 // the UI-language dialog
#define IDR_CONTEXT_MENU       190 // the main window's right-click menu
#define IDC_ABOUT_TITLE        1018
#define IDC_ABOUT_NOTICE       1019
#define IDC_ABOUT_PICTURE      1025
#define IDC_ABOUT_ONLINE_HELP  57670
#define ID_MENU_DIAGNOSTIC_LOG 32778
#define ID_MENU_ABOUT          32780
#define ID_MENU_ONLINE_HELP    32781
#define ID_MENU_LANGUAGE       32783
// The new-firmware question (template 188)
#define IDC_NEW_UPDATE_PICTURE         1025
#define IDC_NEW_UPDATE_QUESTION        1026
#define IDC_NEW_UPDATE_CURRENT_LABEL   1027
#define IDC_NEW_UPDATE_NEW_LABEL       1028
#define IDC_NEW_UPDATE_CURRENT_VERSION 1029
#define IDC_NEW_UPDATE_NEW_VERSION     1030
#define IDC_NEW_UPDATE_LANGUAGE_LIST   1032
#define IDC_NEW_UPDATE_LANGUAGE_LABEL  1168
// The UI-language dialog (template 190): per language a radio, a flag and a name
#define IDC_LANGUAGE_GROUP       1143
#define IDC_LANGUAGE_APPLY_TO_VP 1165
#define IDC_LANGUAGE_RADIO_EN    1144
#define IDC_LANGUAGE_FLAG_EN     1151
#define IDC_LANGUAGE_NAME_EN     1152
#define IDC_LANGUAGE_RADIO_FR    1145
#define IDC_LANGUAGE_FLAG_FR     1153
#define IDC_LANGUAGE_NAME_FR     1154
#define IDC_LANGUAGE_RADIO_ES    1150
#define IDC_LANGUAGE_FLAG_ES     1163
#define IDC_LANGUAGE_NAME_ES     1164
#define IDC_LANGUAGE_RADIO_IT    1147
#define IDC_LANGUAGE_FLAG_IT     1157
#define IDC_LANGUAGE_NAME_IT     1158
#define IDC_LANGUAGE_RADIO_DE    1146
#define IDC_LANGUAGE_FLAG_DE     1155
#define IDC_LANGUAGE_NAME_DE     1156
#define IDC_LANGUAGE_RADIO_NL    1148
#define IDC_LANGUAGE_FLAG_NL     1159
#define IDC_LANGUAGE_NAME_NL     1160
#define IDC_LANGUAGE_RADIO_RU    1149
#define IDC_LANGUAGE_FLAG_RU     1161
#define IDC_LANGUAGE_NAME_RU     1162
#define IDC_LANGUAGE_RADIO_ZH    1166
#define IDC_LANGUAGE_FLAG_ZH     1167
#define IDC_LANGUAGE_NAME_ZH     1168
#define IDC_LANGUAGE_RADIO_KO    1169
#define IDC_LANGUAGE_FLAG_KO     1170
#define IDC_LANGUAGE_NAME_KO     1171
#define IDC_LANGUAGE_RADIO_JA    1172
#define IDC_LANGUAGE_FLAG_JA     1173
#define IDC_LANGUAGE_NAME_JA     1174
#define IDC_LANGUAGE_RADIO_FI    1175
#define IDC_LANGUAGE_FLAG_FI     1176
#define IDC_LANGUAGE_NAME_FI     1177
#define IDC_LANGUAGE_RADIO_CS    1178
#define IDC_LANGUAGE_FLAG_CS     1179
#define IDC_LANGUAGE_NAME_CS     1180
#define IDC_LANGUAGE_RADIO_PL    1181
#define IDC_LANGUAGE_FLAG_PL     1182
#define IDC_LANGUAGE_NAME_PL     1183
