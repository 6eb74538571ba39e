#include "resources/string_table.h"

namespace resources {

#define ROW(id, zhTW, en, zhCN) {id, zhTW, en, en, zhCN}

const StringTableRow kStringTable[] = {
    ROW(101, "關於", "About me", "关于"),
    ROW(103, "通訊設定", "Communication Settings", "通讯设置"),
    ROW(127, "檔案(&F)", "File(&F)", "文件(&F)"),
    ROW(129, "通訊(&C)", "Communication(&C)", "通讯(&C)"),
    ROW(130, "監控(&M)", "Monitor(&M)", "监控(&M)"),
    ROW(131, "選項(&O)", "Option(&O)", "选项(&O)"),
    ROW(132, "說明(&H)", "Help(&H)", "帮助(&H)"),
    ROW(133, "新增(&N)", "New(&N)", "新建(&N)"),
    ROW(134, "開啟(&O)", "Open(&O)", "打开(&O)"),
    ROW(136, "儲存(&S)", "Save(&S)", "保存(&S)"),
    ROW(138, "結束(&X)", "Exit(&X)", "退出(&X)"),
    ROW(146, "上傳 ( 裝置 --> PC )", "Upload ( Device --> PC )", "上传 ( 设备 --> PC )"),
    ROW(147, "下載 ( PC --> 裝置 )", "Download ( PC --> Device )", "下载 ( PC --> 设备 )"),
    ROW(149, "監控", "Monitor", "监控"),
    ROW(151, "按鍵保護", "Key Protection", "按键保护"),
    ROW(152, "省電", "Power Saving", "省电"),
    ROW(153, "Velmora 說明", "Velmora Help", "Velmora 帮助"),
    ROW(246, "確定要結束  ?", "Are you sure to exit  ?", "确定要退出  ?"),
};

#undef ROW

const int kStringTableSize = static_cast<int>(sizeof(kStringTable) / sizeof(kStringTable[0]));

} // namespace resources
