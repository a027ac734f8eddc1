#include "document/DefaultTemplates.h"

namespace rivet {

// The two templates written into the data folder when they are missing. They are template
// text like any other: they name the thirteen options of the factory option catalogue after
// their marks and do not follow later changes of the catalogue.

const std::vector<std::string>& defaultHtmlTemplate()
{
    static const std::vector<std::string> lines = {
        R"(<html>)",
        R"(<body>)",
        R"(<hr>)",
        R"(<table border=1>)",
        R"(<tr><td colspan=3><font size=+2>パイロット名：#plname</font></td><td rowspan=3 colspan=4><a href="#acgraph"><img src="#acgraph" width="100"></a></td></tr>)",
        R"(<tr><td colspan=3><font size=+2>機体名：#acname</font></td></tr>)",
        R"(<tr><td colspan=1><img src="#emblem"></td>)",
        R"(<td colspan=2>#memo</td></tr>)",
        R"(<tr><td>頭</td><td>#head</td><td>AP</td><td colspan=4>#ap</td></tr>)",
        R"(<tr><td>コア</td><td>#core</td><td>価格</td><td colspan=4>#price</td></tr>)",
        R"(<tr><td>腕</td><td>#arm</td><td>体重</td><td colspan=4>#weight</td></tr>)",
        R"(<tr><td>脚</td><td>#leg</td><td>余剰積載量</td><td colspan=4>#capa</td></tr>)",
        R"(<tr><td>ジェネレータ</td><td>#gene</td><td>コア余剰積載量</td><td colspan=4>#ccapa</td></tr>)",
        R"(<tr><td>ＦＣＳ</td><td>#fcs</td><td>空きスロット</td><td colspan=4>#slot</td></tr>)",
        R"(<tr><td>ブースター</td><td>#boost</td><td>静止時余剰EG</td><td colspan=4>#seg</td></tr>)",
        R"(<tr><td>腕武器</td><td>#arw</td><td>移動時余剰EG</td><td colspan=4>#meg</td></tr>)",
        R"(<tr><td>ブレード</td><td>#blade</td><td>実弾防御係数</td><td colspan=4>#sdefk</td></tr>)",
        R"(<tr><td>右肩武器</td><td>#backwr</td><td>ビーム防御係数</td><td colspan=4>#edefk</td></tr>)",
        R"(<tr><td>左肩武器</td><td>#backwl</td><td>実弾耐久力</td><td colspan=4>#sdef</td></tr>)",
        R"(<tr><td colspan=2>#opt01SP-MAW #opt02SP-JAM #opt03SP-M/AUTO</td><td>ビーム耐久力</td><td colspan=4>#edef</td></tr>)",
        R"(<tr><td colspan=2>#opt04SP-ABS #opt05SP-SAP #opt06SP-CND-K</td><td>地上ブースト速度</td><td colspan=4>#lspeed</td></tr>)",
        R"(<tr><td colspan=2>#opt07SP-AXL #opt08SP-S/SCR #opt09SP-E/SCR</td><td>上昇ブースト速度</td><td colspan=4>#rspeed</td></tr>)",
        R"(<tr><td colspan=2>#opt10SP-EH #opt11SP-E+ #opt12SP-DEhf</td><td>上昇ブースト加速度</td><td colspan=4>#racc</td></tr>)",
        R"(<tr><td colspan=2>#opt13SP-ABS/Re</td><td>安定性</td><td colspan=4>#stab</td></tr>)",
        R"()",
        R"(<tr><td colspan=2>強化人間レベル：#lgplus</td></tr>)",
        R"(<tr><td colspan=2>射撃頻度：#lgshoot</td><td>Color</td><td>Base</td><td>Opt.</td><td>Det.</td><td>Joint</td></tr>)",
        R"(<tr><td colspan=2>ブレード頻度：#lgblade</td><td>HEAD col</td>)",
        "\t"
        R"(<td bgcolor=#clhbh></td> <td bgcolor=#clhoh></td> <td bgcolor=#clhdh></td> <td bgcolor=#clhjh></td></td></tr>)",
        R"(<tr><td colspan=2>ロック精度：#lglock</td><td>CORE col</td>)",
        "\t"
        R"(<td bgcolor=#clcbh></td> <td bgcolor=#clcoh></td> <td bgcolor=#clcdh></td> <td bgcolor=#clcjh></td></td></tr>)",
        R"(<tr><td colspan=2>回避率：#lgavoid</td><td>ARM col</td>)",
        "\t"
        R"(<td bgcolor=#clabh></td> <td bgcolor=#claoh></td> <td bgcolor=#cladh></td> <td bgcolor=#clajh></td></td></tr>)",
        R"(<tr><td colspan=2>ジャンプ頻度：#lgjump</td><td>LEG col</td>)",
        "\t"
        R"(<td bgcolor=#cllbh></td> <td bgcolor=#clloh></td> <td bgcolor=#clldh></td> <td bgcolor=#clljh></td></td></tr>)",
        R"(<tr><td colspan=2>戦闘距離：#lgrange</td><td></td><td colspan=4>ZubRIVET ver #version</td></tr>)",
        R"(</table>)",
        R"(<hr>)",
        R"(</body>)",
        R"(</html>)",
    };
    return lines;
}

const std::vector<std::string>& defaultTextTemplate()
{
    static const std::vector<std::string> lines = {
        R"(パイロット名：#plname)",
        R"(機体名      ：#acname)",
        R"(＜構成パーツ＞-----------------|＜機体評価＞--------------------)",
        R"(頭          ：#head  | AP                ：#ap)",
        R"(コア        ：#core  | 価格              ：#price)",
        R"(腕          ：#arm  | 体重              ：#weight)",
        R"(脚          ：#leg  | 余剰積載量        ：#capa)",
        R"(ジェネレータ：#gene  | コア余剰積載量    ：#ccapa)",
        R"(ＦＣＳ      ：#fcs  | 空きスロット      ：#slot)",
        R"(ブースター  ：#boost  | 静止時消費EG      ：#seg)",
        R"(腕武器      ：#arw  | 移動時消費EG      ：#meg)",
        R"(ブレード    ：#blade  | 実弾防御係数      ：#sdefk)",
        R"(右肩武器    ：#backwr  | ビーム防御係数    ：#edefk)",
        R"(左肩武器    ：#backwl  | 実弾耐久力        ：#sdef)",
        R"(#opt01SP-MAW #opt02SP-JAM #opt03SP-M/AUTO  | ビーム耐久力      ：#edef)",
        R"(#opt04SP-ABS #opt05SP-SAP #opt06SP-CND-K   | 地上ブースト速度  ：#lspeed)",
        R"(#opt07SP-AXL #opt08SP-S/SCR #opt09SP-E/SCR | 上昇ブースト速度  ：#rspeed)",
        R"(#opt10SP-EH #opt11SP-E+ #opt12SP-DEhf      | 上昇ブースト加速度：#racc)",
        R"(#opt13SP-ABS/Re                    | 安定性            ：#stab)",
        R"()",
        R"()",
        R"(＜機体色＞             頭       コア       腕        脚)",
        R"(ＢＡＳＥ        ：  #clhbr,#clhbg,#clhbb  #clcbr,#clcbg,#clcbb  #clabr,#clabg,#clabb  #cllbr,#cllbg,#cllbb)",
        R"(ＯＰＴＩＯＮＡＬ：  #clhor,#clhog,#clhob  #clcor,#clcog,#clcob  #claor,#claog,#claob  #cllor,#cllog,#cllob)",
        R"(ＤＥＴＡＩＬ    ：  #clhdr,#clhdg,#clhdb  #clcdr,#clcdg,#clcdb  #cladr,#cladg,#cladb  #clldr,#clldg,#clldb)",
        R"(ＪＯＩＮＴ      ：  #clhjr,#clhjg,#clhjb  #clcjr,#clcjg,#clcjb  #clajr,#clajg,#clajb  #clljr,#clljg,#clljb)",
        R"()",
        R"(--機体説明--)",
        R"(#memo)",
    };
    return lines;
}

} // namespace rivet
