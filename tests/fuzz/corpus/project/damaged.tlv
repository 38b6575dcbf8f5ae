4.0
M
two
145	150	
16
MS Sans Serif
0
8
0
0
0
0
