#include "help/qt/help_text.h"

namespace tabulex {

QString HelpSectionAnchor(HelpSection section) {
  switch (section) {
    case HelpSection::Input:
      return QStringLiteral("input");
    case HelpSection::Assistant:
      return QStringLiteral("assistant");
    case HelpSection::Fractions:
      return QStringLiteral("fractions");
    case HelpSection::Functions:
      return QStringLiteral("functions");
    case HelpSection::Shortcuts:
      return QStringLiteral("shortcuts");
    case HelpSection::Tools:
      return QStringLiteral("tools");
    case HelpSection::Files:
      return QStringLiteral("files");
  }
  return QStringLiteral("input");
}

QString HelpHtml() {
  // The section anchors match HelpSectionAnchor.
  return QString::fromUtf8(R"html(
<h2>Tabulex 使用帮助</h2>

<h3><a name="input"></a>输入与计算</h3>
<ul>
<li>每行写一个算式，例如 15+3、5(3+6)、sin30+2^3、1∟3+2∟1∟4。</li>
<li>按回车键计算：行末加上“=”和结果，例如 15+3=18。状态栏显示用时、错误或提示。</li>
<li>只计算一行中最后一个“=”后面的算式，前面的文字可作标注，例如 价格=0.3+0.5。
结果可以接着算：在 15+3=18 后输入 +5 再按回车，得到 15+3=18+5=23。</li>
<li>默认回车键计算、Ctrl+Enter（Ctrl+回车键）换行；在“设置 → 快捷设置 → 快捷键”中可改为
Ctrl+Enter 计算、回车键换行。</li>
<li>改了一行前面的数字后，按 ` 键（Esc 下方、数字 1 左边的键）或“编辑 → 重算”，
本行每一步都重新计算：15+4=18+5=23 变成 15+4=19+5=24。</li>
<li>“编辑 → 批量运算”从上到下计算全部各行。</li>
<li>松开 Tab 键（或“编辑 → 分数转换”），本行的结果在小数、分数、带分数之间轮换。</li>
<li>运算符：+ − ×（*）÷（/），^ 乘方，√ 开方（√16 是 16 的平方根，3√8 是 8 的 3 次方根），
\ 整除，! 阶乘，% 百分之，‰ 千分之，π 圆周率。圆括号、方括号、花括号都可以用，
全角符号同样能识别，5(3+6) 可以省略乘号。</li>
<li>小数位数、千分符、分数显示、角度制或弧度制等，在“设置 → 快捷设置”中设定。</li>
</ul>

<h3><a name="assistant"></a>输入助手</h3>
<p>输入时自动替换：</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>输入</th><th>得到</th></tr>
<tr><td>*　/</td><td>×　÷</td></tr>
<tr><td>**</td><td>^（需勾选“自动替换”）</td></tr>
<tr><td>//</td><td>√（需勾选“自动替换”）</td></tr>
<tr><td>++</td><td>∟（需勾选“自动替换”）</td></tr>
<tr><td>./　.*</td><td>(　)（需勾选“自动替换”）</td></tr>
<tr><td>..</td><td>()，光标在括号中间</td></tr>
<tr><td>pi</td><td>π（大小写均可）</td></tr>
<tr><td>'''</td><td>°（用于文字标注，算式中不能识别）</td></tr>
<tr><td>|</td><td>√</td></tr>
<tr><td>%%</td><td>‰</td></tr>
<tr><td>tjfx</td><td>tjfx(</td></tr>
</table>
<p>“设置 → 快捷设置”中的其他输入方式：</p>
<ul>
<li>快捷输入：不按 Shift，大键盘上的 9 0 1 5 6 直接得到 ( ) ! % ^（小键盘不变）。</li>
<li>自动添加：在第二行起的行首输入 + - * / 时，先自动填入上次的结果。</li>
<li>笔记本：= 输入 +，[ 输入 ÷，] 输入 ×。</li>
<li>空格分式：一行里用空格分开几个算式，各算各的；空格键输入两个空格。</li>
</ul>

<h3><a name="fractions"></a>分数</h3>
<ul>
<li>分数用“∟”分隔：1∟3 是三分之一，2∟1∟4 是二又四分之一（2.25）。</li>
<li>连按两次 +（需勾选“自动替换”）即可输入“∟”。分母不能为零。</li>
<li>含分数的算式，结果可按小数、分数（9∟4）或带分数（2∟1∟4）显示，在“设置 → 快捷设置 → 运算结果”中选择；
松开 Tab 键可随时在三种形式之间轮换。</li>
</ul>

<h3><a name="functions"></a>函数</h3>
<p>单个参数的函数可以不加括号，例如 sin30；多个参数用逗号分隔
（设为“，”代表千分符时改用分号）。右键菜单“插入函数”可直接插入函数名。</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>函数</th><th>说明</th></tr>
<tr><td>sin　cos　tan</td><td>正弦、余弦、正切（默认角度制）</td></tr>
<tr><td>asin　acos　atan</td><td>反正弦、反余弦、反正切</td></tr>
<tr><td>sinh　cosh　tanh</td><td>双曲正弦、双曲余弦、双曲正切</td></tr>
<tr><td>sqr</td><td>平方根：sqr16=4</td></tr>
<tr><td>abs</td><td>绝对值</td></tr>
<tr><td>int</td><td>取整数部分：int(-2.7)=-2</td></tr>
<tr><td>exp</td><td>e 的 x 次方</td></tr>
<tr><td>ln　lg</td><td>自然对数、常用对数</td></tr>
<tr><td>log(a,b)</td><td>以 a 为底 b 的对数：log(2,8)=3</td></tr>
<tr><td>sum(…)　max(…)　min(…)</td><td>总和、最大值、最小值：max(3,1,4)=4</td></tr>
<tr><td>if(k,a1,a2,…)</td><td>取第 k 个值：if(2,5,6,7)=6</td></tr>
<tr><td>tjfx(k,x1,x2,…)</td><td>统计分析：k 为 1 最小值，2 最大值，3 范围，4 总和，5 平均值，
6 方差，7 标准偏差，8 标准误差，9 中位数。tjfx(5,1,2,3)=2</td></tr>
</table>

<h3><a name="shortcuts"></a>快捷键</h3>
<table border="1" cellpadding="3" cellspacing="0">
<tr><td>Ctrl+N　Ctrl+O　Ctrl+S</td><td>新建、打开、保存</td></tr>
<tr><td>Ctrl+P　Ctrl+Q</td><td>打印、关闭</td></tr>
<tr><td>Ctrl+Z　Ctrl+Y</td><td>撤消、重做</td></tr>
<tr><td>F7　F8</td><td>累加器、清空累加器</td></tr>
<tr><td>Ctrl+X　Ctrl+C　Ctrl+V</td><td>剪切、复制、粘贴</td></tr>
<tr><td>Ctrl+R</td><td>粘贴结果（上次的计算结果）</td></tr>
<tr><td>Ctrl+D　Ctrl+A</td><td>清除全部、全选</td></tr>
<tr><td>Ctrl+F</td><td>查找和替换</td></tr>
<tr><td>F3　Shift+F3</td><td>查找下一个、查找上一个</td></tr>
<tr><td>Ctrl+T</td><td>字体</td></tr>
<tr><td>F1</td><td>帮助</td></tr>
<tr><td>回车键　Ctrl+Enter</td><td>计算、换行（可对调）</td></tr>
<tr><td>`</td><td>重算本行</td></tr>
<tr><td>Tab</td><td>分数转换</td></tr>
<tr><td>Ctrl+鼠标滚轮</td><td>放大、缩小字体</td></tr>
<tr><td>Ctrl+拖动鼠标</td><td>移动窗口</td></tr>
<tr><td>Alt+选中文字后松开鼠标</td><td>把选中的文字复制到下一行</td></tr>
</table>
<p>显示/隐藏窗口的热键和全屏键在“设置 → 快捷设置 → 快捷键”中设定。</p>

<h3><a name="tools"></a>辅助工具</h3>
<ul>
<li>累加器（F7）：列出本次运行的每一次计算，可以选出几项求和、相乘、平均或取最大值、最小值，
把算式写进编辑框计算。F8 清空累加器。</li>
<li>进制转换（“辅助 → 辅助分析 → 进制转换”）：整数在 2 到 36 进制之间转换。</li>
<li>统计分析（“辅助 → 辅助分析 → 统计分析”）：对一组样本求最小值、最大值、范围、总和、
平均值、方差、标准偏差、标准误差和中位数。</li>
<li>辅助键盘（“辅助 → 辅助键盘”）：屏幕上的按键键盘，有科学和简单两种布局。</li>
</ul>

<h3><a name="files"></a>文件</h3>
<ul>
<li>“文件”菜单可新建、打开、保存、另存为和打印；文件是 GBK 编码的纯文本（*.txt）。</li>
<li>可以把文字或文本文件拖到窗口上。</li>
<li>勾选“记住内容”后，关闭时的内容下次启动时还在。设置和备份保存在运行文件夹中
（“Tabulo配置文件.ini”、“Tabulo备份文件.txt”）。</li>
</ul>
)html");
}

}  // namespace tabulex
